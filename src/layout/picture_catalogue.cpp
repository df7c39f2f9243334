#include "layout/picture_catalogue.h"

namespace varuno {

namespace {

// Each resource from 137 to 194 but 146 and 159 is in the catalogue exactly
// once, and nothing else is.
constexpr bool CatalogueIsComplete() {
  std::size_t listed = 0;
  for (int id = 137; id <= 194; ++id) {
    int uses = 0;
    for (const Picture& picture : kPictures) {
      uses += picture.resourceId == id ? 1 : 0;
    }
    if (uses != ((id == 146 || id == 159) ? 0 : 1)) {
      return false;
    }
    listed += static_cast<std::size_t>(uses);
  }
  return listed == kPictures.size();
}
static_assert(CatalogueIsComplete(), "a bitmap resource is missing from the catalogue or listed twice");

}  // namespace

}  // namespace varuno
