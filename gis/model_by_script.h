// Reading the layers of a model script. TModelByScriptCreator takes a TModelScript as Input and
// reads every layer into its Output (a TRectEntity, a new one when none is given): an "ELEMENT"
// layer adds one element created by class name; any other layer with paths becomes a
// TInterpretLayer holding one string per map block read (a path that is a directory with the
// extension ".BLK"; other paths give nothing). A window (MinX, MinY, MaxX, MaxY in model
// coordinates, active when all four are non-zero) skips the blocks whose "INFO.TXT" rectangle
// lies outside it and, with CutLayer, reads only objects that lie wholly inside it. The elements
// stay in the world's block registers as well.
#pragma once

#include <string>

#include "framework/tools/tool.h"
#include "framework/values/string_list.h"
#include "gis/karmo_reader.h"
#include "spatial/space_entity.h"

namespace tarnik::gis {

class TInterpretLayer : public spatial::TSpaceEntity {
 public:
  TARNIK_ELEMENT_CLASS(TInterpretLayer)
  // The layer's description (path or pattern) and type.
  const std::string& Path() const { return path_; }
  void SetPath(const std::string& v) { path_ = v; }
  const std::string& LayerType() const { return layer_type_; }
  void SetLayerType(const std::string& v) { layer_type_ = v; }

 private:
  std::string path_;
  std::string layer_type_;
};

class TModelByScriptCreator : public framework::TTool {
 public:
  TARNIK_ELEMENT_CLASS(TModelByScriptCreator)

  double MinX() const { return window_.min_x; }
  void SetMinX(double v) { window_.min_x = v; }
  double MinY() const { return window_.min_y; }
  void SetMinY(double v) { window_.min_y = v; }
  double MaxX() const { return window_.max_x; }
  void SetMaxX(double v) { window_.max_x = v; }
  double MaxY() const { return window_.max_y; }
  void SetMaxY(double v) { window_.max_y = v; }
  // Move the window along an axis.
  void SetDeltaX(double v);
  void SetDeltaY(double v);
  // Max := min + value.
  void SetWidth(double v) { window_.max_x = window_.min_x + v; }
  void SetHeight(double v) { window_.max_y = window_.min_y + v; }
  double CenterX() const { return (window_.min_x + window_.max_x) / 2; }
  double CenterY() const { return (window_.min_y + window_.max_y) / 2; }
  bool CutLayer() const { return cut_layer_; }
  void SetCutLayer(bool v) { cut_layer_ = v; }
  const NewObjectCallback& OnNewObject() const { return on_new_object_; }
  void SetOnNewObject(NewObjectCallback callback) { on_new_object_ = std::move(callback); }
  bool WindowActive() const;

  void Execute() override;
  // A ".BLK" directory read with ReadBlock; nil for anything else.
  spatial::TSpaceEntity* ReadLayerPath(const std::string& type, const std::string& path,
                                       const framework::TStringListElement* settings);
  // The string of one type read from a block (nil when the block lies outside the window or the
  // type reads nothing); it carries every setting of the layer as a property.
  spatial::TSpaceEntity* ReadBlock(const std::string& type, const std::string& block_directory,
                                   const framework::TStringListElement* settings);

 private:
  spatial::Bounds window_{0, 0, 0, 0};
  bool cut_layer_ = false;
  NewObjectCallback on_new_object_;
};

}  // namespace tarnik::gis
