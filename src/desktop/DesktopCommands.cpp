#include "app/TForm1.h"

namespace norvik {

void TForm1::connectDesktop() {}

} // namespace norvik
