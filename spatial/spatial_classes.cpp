#include "spatial/spatial_classes.h"

#include "framework/class_register.h"
#include "spatial/area_element.h"
#include "spatial/coordinate.h"
#include "spatial/drawing_classes.h"
#include "spatial/old_format_data.h"
#include "spatial/polyline_area.h"
#include "spatial/rect_entity.h"
#include "spatial/rectangle.h"
#include "spatial/registers.h"
#include "spatial/space_elements.h"
#include "spatial/space_props.h"

namespace tarnik::spatial {

void RegisterSpatialClasses() {
  static bool done = false;
  if (done) return;
  done = true;
  using framework::RegisterElementClass;
  // Geometry.
  RegisterElementClass<TCoordinate>();
  RegisterElementClass<T2DCoordinate>();
  RegisterElementClass<T3DCoordinate>();
  RegisterElementClass<TRectangle>();
  RegisterElementClass<TRectEntity>();
  // Drawing classes.
  RegisterElementClass<TSelectedElement>();
  RegisterElementClass<TDrawRectangle>();
  RegisterElementClass<TText>();
  // Spatial elements.
  RegisterElementClass<TSpaceEntity>();
  RegisterElementClass<TSpaceEntityString>();
  RegisterElementClass<TPointElement>();
  RegisterElementClass<TPointString>();
  RegisterElementClass<TTextElement>();
  RegisterElementClass<TTextString>();
  RegisterElementClass<TPolyElement>();
  RegisterElementClass<TPolyLineElement>();
  RegisterElementClass<TPolyLineString>();
  RegisterElementClass<TAreaElement>();
  RegisterElementClass<TAreaString>();
  RegisterElementClass<THolesEntity>();
  RegisterElementClass<TPolyLineAreaElement>();
  RegisterElementClass<TSpaceRect>();
  RegisterElementClass<TSpaceLineBegEndCell>();
  RegisterElementClass<TSpaceEntityProps>();
  // Registers.
  RegisterElementClass<TRegister>();
  RegisterElementClass<TBlockRegister>();
  RegisterElementClass<TObjectRegister>();
  RegisterElementClass<TObjectOwner>();
  RegisterElementClass<TRegisterObjectSelector>();
  RegisterOldFormatData();
}

}  // namespace tarnik::spatial
