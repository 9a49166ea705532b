// Registration of the model, register-model and world classes in the class register.
#pragma once

namespace tarnik::framework {

void RegisterModelClasses();

}  // namespace tarnik::framework
