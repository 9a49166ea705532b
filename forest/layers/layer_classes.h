// Registration of the layer-level model classes (layers, species, afforestation rows, damages,
// land, categories, statuses, multi-valued codes and their sets) in the class register. Call
// after RegisterForestClasses; further calls do nothing.
#pragma once

namespace tarnik::plan {

void RegisterLayerClasses();

}  // namespace tarnik::plan
