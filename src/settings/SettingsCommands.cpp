#include "app/TForm1.h"

namespace norvik {

void TForm1::connectSettings() {}

} // namespace norvik
