#include "window_geometry.h"

namespace statmon {

Size ReducedWindowSize(const Box& window, const Box& group) {
  int margin = group.left - window.left;
  if (margin < 0) margin = 0;
  Size size;
  size.width = group.right + margin - window.left;
  size.height = group.bottom + margin - window.top;
  if (size.width < 0) size.width = 0;
  if (size.height < 0) size.height = 0;
  return size;
}

}  // namespace statmon
