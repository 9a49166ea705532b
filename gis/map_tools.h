// The tools that build and search the forest hierarchy of the map. They work on the world's
// objects "DATA" (with "LAYERS" and "HIERARCHY") and "DATAMODEL", looked up by name in the
// world's object model and then among the world's children. THeleNacti reads the map of a
// directory and groups the areas of the layer "DET" into "HIERARCHY" (the map's classes are
// created in the map context); THeleHier finds a node by its five numbers; THeleSkupina finds
// the stand group under a point. Tools never throw out of Execute except for programming errors;
// a failed read leaves "HIERARCHY" empty.
#pragma once

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "framework/handles.h"
#include "framework/tools/recursor.h"
#include "framework/tools/tool.h"
#include "spatial/area_element.h"
#include "spatial/rect_entity.h"

namespace tarnik::framework {
class TCondition;
}

namespace tarnik::gis {

class TPorostniSkupina;

// "DATA", "DATAMODEL" ... of the world: the object model's child of that name, else the world's.
framework::TElement* FindWorldObject(const std::string& name);
// The child of "DATA" of that name (nil when either is missing).
framework::TElement* FindDataChild(const std::string& name);

inline constexpr const char* kModelDescriptionError = "Chyba vytváření popisu modelu ...";
inline constexpr const char* kGroupingPhase = "Vytváření lesnické hierarchie ...";

class THeleBasic : public framework::TTool {
 public:
  TARNIK_ELEMENT_CLASS(THeleBasic)
  // Posts the text as a framework text message (code 8) to the main tool.
  void SetProtocol(const std::string& text);
  framework::TElement* Hierarchy() const { return FindDataChild("HIERARCHY"); }
  framework::TElement* DataModel() const { return FindWorldObject("DATAMODEL"); }
};

class THeleNacti : public THeleBasic {
 public:
  TARNIK_ELEMENT_CLASS(THeleNacti)
  const std::string& Directory() const { return directory_; }
  void SetDirectory(const std::string& v) { directory_ = v; }
  // Reads the map and fills "LAYERS" and "HIERARCHY"; Error() is 0 when every step succeeded.
  void Execute() override;
  // The model read (blocks and interpretation layers); nil before a run.
  spatial::TRectEntity* Model() const { return model_.get(); }

 private:
  std::string directory_;
  std::unique_ptr<spatial::TRectEntity> model_;
  std::unique_ptr<spatial::TAreaString> areas_;
};

// Sorts the blocks of the input (and of its interpretation layers) into the output's layers
// named <TYPE>_<block>.
class TBlockLayersTool : public framework::TTool {
 public:
  TARNIK_ELEMENT_CLASS(TBlockLayersTool)
  void Execute() override;
};

// The name a block's layer carries: its TYPE, "_" and the file name of its BlockName up to the
// first '.'.
std::string BlockBaseName(framework::TElement& block);
std::string BlockLayerName(framework::TElement& block);

// Adds to the output (an entity) the blocks of the input whose name and type match.
class TFindBlockLayer : public framework::TTool {
 public:
  TARNIK_ELEMENT_CLASS(TFindBlockLayer)
  const std::string& LayerName() const { return layer_name_; }
  void SetLayerName(const std::string& v) { layer_name_ = v; }
  const std::string& LayerType() const { return layer_type_; }
  void SetLayerType(const std::string& v) { layer_type_ = v; }
  void Execute() override;

 private:
  std::string layer_name_;
  std::string layer_type_;
};

// One level of a grouping: the attribute read from each element, the class of the node it
// creates (looked up by name in the current class context) and, for the last level, the socket
// (a child of SocketClass named SocketName) that receives the elements.
class TPropsAndClass : public framework::TElement {
 public:
  TARNIK_ELEMENT_CLASS(TPropsAndClass)
  const std::string& PropName() const { return prop_name_; }
  void SetPropName(const std::string& v) { prop_name_ = v; }
  const std::string& ClassName_() const { return class_name_; }
  void SetClassName_(const std::string& v) { class_name_ = v; }
  const std::string& SocketName() const { return socket_name_; }
  void SetSocketName(const std::string& v) { socket_name_ = v; }
  const std::string& SocketClass() const { return socket_class_; }
  void SetSocketClass(const std::string& v) { socket_class_ = v; }

 private:
  std::string prop_name_;
  std::string class_name_;
  std::string socket_name_;
  std::string socket_class_;
};

// Groups every child of its input into the tree below its output by its criterion entries (its
// TPropsAndClass children, in order); an empty value names the node "___".
class TGroupper : public framework::TTool {
 public:
  TARNIK_ELEMENT_CLASS(TGroupper)
  void AddCriterion(const std::string& prop, const std::string& class_name,
                    const std::string& socket_name = std::string(),
                    const std::string& socket_class = std::string());
  // Puts one element into the tree below `root`.
  void Group(framework::TElement* element, framework::TEntity* root);
  // Groups every child of the input. The child that answered a name below a node is kept for
  // the rest of the run: the grouping only appends, so it stays the first of that name.
  void Execute() override;

 private:
  struct FoundChild {
    framework::TElementRef node;
    framework::TElementRef child;
  };
  using FoundChildren = std::unordered_map<std::string, FoundChild>;
  void GroupInto(framework::TElement* element, framework::TEntity* root, FoundChildren* found);
  // node->FindElementByName(name), answered from `found` when it knows it.
  static framework::TElement* FindChild(framework::TEntity* node, const std::string& name,
                                        FoundChildren* found);
};

// The five-level criterion of the forest hierarchy.
void AddForestCriteria(TGroupper& groupper);

class THeleHier : public THeleBasic {
 public:
  TARNIK_ELEMENT_CLASS(THeleHier)
  std::string lhc, odd, dil, por, psk;
  // From the input down by the five names; the output is the deepest node found, or nil.
  void Execute() override;
};

// Finds the area (and its stand group) under the point X, Y below the input (the hierarchy).
class THeleSkupina : public framework::TRecursor {
 public:
  TARNIK_ELEMENT_CLASS(THeleSkupina)
  double X() const { return x_; }
  void SetX(double v) { x_ = v; }
  double Y() const { return y_; }
  void SetY(double v) { y_ = v; }
  bool Found() const { return found_.Get() != nullptr; }
  std::string OutString();
  std::string Attribute(const char* name);
  TPorostniSkupina* PSKObject() const;
  spatial::TAreaElement* KeptArea() const { return kept_.As<spatial::TAreaElement>(); }

  // Answers at once when the area of the last hit holds the point; otherwise descends from the
  // input, entering only rectangles that hold the point (or are not valid) and, below a stand
  // group, only its "GEOMETRY"; the first area holding the point is the result.
  void Execute() override;

 private:
  void Search(framework::TElement* element, framework::TElement* group,
              std::vector<const framework::TElement*>& path);
  bool Contains(spatial::TAreaElement& area);
  double x_ = 0;
  double y_ = 0;
  framework::TElementRef group_;  // the stand group being searched
  framework::TElementRef found_;  // the area found
  framework::TElementRef found_group_;
  framework::TElementRef kept_;  // the area of the last hit
};

// A recursor whose three decisions are condition texts (empty: no decision of its own).
class TCustomRecursor : public framework::TRecursor {
 public:
  TARNIK_ELEMENT_CLASS(TCustomRecursor)
  TCustomRecursor();
  ~TCustomRecursor() override;
  const std::string& BeforeCondition() const { return before_; }
  void SetBeforeCondition(const std::string& v) { before_ = v; }
  const std::string& AfterCondition() const { return after_; }
  void SetAfterCondition(const std::string& v) { after_ = v; }
  const std::string& GoInsideCondition() const { return inside_; }
  void SetGoInsideCondition(const std::string& v) { inside_ = v; }
  // Compiles the conditions (SyntaxExcept on a faulty one), then walks.
  void Execute() override;
  bool QProcessBefore(framework::TElement* element) override;
  bool QProcessAfter(framework::TElement* element) override;
  bool QGoInside(framework::TElement* element) override;

 private:
  std::string before_, after_, inside_;
  std::unique_ptr<framework::TCondition> before_c_, after_c_, inside_c_;
};

void RegisterMapToolClasses();

}  // namespace tarnik::gis
