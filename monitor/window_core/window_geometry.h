// Size of the main window in its reduced layout: the window keeps its
// top-left corner and just encloses the reduced status group, with the same
// margin on the right and at the bottom as on the left.
#pragma once

namespace statmon {

struct Box {
  int left = 0, top = 0, right = 0, bottom = 0;
};

struct Size {
  int width = 0, height = 0;
  bool operator==(const Size& other) const {
    return width == other.width && height == other.height;
  }
};

// `window` and `group` in the same (screen) coordinates. A group that lies
// left of or above the window's edge gets no negative margin.
Size ReducedWindowSize(const Box& window, const Box& group);

}  // namespace statmon
