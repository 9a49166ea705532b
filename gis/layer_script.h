// Layer model scripts. A TModelScript is an ordered list of TLayerScripts; a layer has a type
// (its name: "LIN", "PNT", "ARE", "TXT", "LINSYM", "ELEMENT" or "RAS"), a Description (a path or
// file pattern; for "ELEMENT" a class name; a leading "+" searches the directories below as
// well), settings (a TPropertyList of name/value entries) and, once resolved against a data
// directory, one "PATH" child per path to read. TModelScriptCreator builds a script from
// name=value lines (NextLayer, NextLayerProperty, Layers) and resolves its paths when run.
#pragma once

#include <string>
#include <vector>

#include "framework/tools/tool.h"
#include "framework/values/property_list.h"
#include "framework/values/string_list.h"
#include "spatial/rect_entity.h"

namespace tarnik::gis {

class TLayerScript;

class TModelScript : public spatial::TRectEntity {
 public:
  TARNIK_ELEMENT_CLASS(TModelScript)
  std::vector<TLayerScript*> Layers() const;
};

class TLayerScript : public spatial::TRectEntity {
 public:
  TARNIK_ELEMENT_CLASS(TLayerScript)

  const std::string& Description() const { return description_; }
  void SetDescription(const std::string& v) { description_ = v; }
  bool GoIntoDirs() const { return !description_.empty() && description_[0] == '+'; }
  // True puts a "+" in front of the description when there is none; false removes it.
  void SetGoIntoDirs(bool v);

  // The settings, nil before the first one.
  framework::TPropertyList* Settings() const;
  void AddSetting(const std::string& name, const std::string& value);
  // The texts of the "PATH" children, in order.
  std::vector<std::string> Paths() const;

  // Replaces the "PATH" children by the paths the description names in the data directory
  // (nothing for "ELEMENT" layers): directories for the types LIN, PNT, ARE, TXT and LINSYM,
  // files for the others. A description without "+" whose directory part is absolute is its own
  // path; one whose file part holds no "*" names the path data directory + description.
  void ResolvePaths(const std::string& data_directory);

 private:
  std::string description_;
};

class TModelScriptCreator : public framework::TTool {
 public:
  TARNIK_ELEMENT_CLASS(TModelScriptCreator)

  const std::string& DataDirectory() const { return data_directory_; }
  void SetDataDirectory(const std::string& v) { data_directory_ = v; }
  // "TYPE=description" starts a layer (the type compared without regard to case, kept as
  // written); "!...", "+...", "-...", "<...", ">...", "@..." go to NextLayerProperty; texts
  // without "=" or with an empty name, and other names, are ignored.
  void NextLayer(const std::string& text);
  // "name=value" appended to the last layer's settings (nothing without a last layer).
  void NextLayerProperty(const std::string& text);
  // Every entry as NextLayer(name + "=" + value).
  void SetLayers(framework::TElement* layers);
  TModelScript* Script() const;

  // Takes a string list Input as Layers; resolves the paths of every layer against
  // DataDirectory (errors swallowed) and makes the script the Output.
  void Execute() override;

 private:
  framework::TElementRef script_;
  framework::TElementRef last_layer_;
  std::string data_directory_;
};

}  // namespace tarnik::gis
