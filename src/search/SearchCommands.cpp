#include "app/TForm1.h"

namespace norvik {

void TForm1::connectSearch() {}

} // namespace norvik
