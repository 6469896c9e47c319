#include "status_picture.h"

#include <string>

#include "status_decision.h"

namespace statmon {
namespace {

constexpr DWORD kLayerPauseMs = 10;

HBITMAP LoadLayer(const MonitorContext& context, const StatusServices& services, int index) {
  if (context.resourceLibrary == nullptr) return nullptr;
  const std::string name = BitmapName(services, index);
  if (name.empty()) return nullptr;
  const std::string resource = "IDB_" + name;
  // A DIB section keeps the bitmap's own colour table, which the
  // transparency step copies.
  return static_cast<HBITMAP>(LoadImageA(static_cast<HINSTANCE>(context.resourceLibrary),
                                         resource.c_str(), IMAGE_BITMAP, 0, 0,
                                         LR_CREATEDIBSECTION));
}

// A copy of `bitmap` whose white colour-table entries are black; null when
// the table has no white entry (or the bitmap has no table).
HBITMAP WhiteToBlackCopy(HBITMAP bitmap, HDC scratch) {
  HBITMAP copy = static_cast<HBITMAP>(CopyImage(bitmap, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (copy == nullptr) return nullptr;
  HGDIOBJ old = SelectObject(scratch, copy);
  RGBQUAD table[256];
  const UINT entries = GetDIBColorTable(scratch, 0, 256, table);
  bool changed = false;
  for (UINT i = 0; i < entries; ++i) {
    if (table[i].rgbRed == 255 && table[i].rgbGreen == 255 && table[i].rgbBlue == 255) {
      table[i].rgbRed = table[i].rgbGreen = table[i].rgbBlue = 0;
      changed = true;
    }
  }
  if (changed) SetDIBColorTable(scratch, 0, entries, table);
  SelectObject(scratch, old);
  if (!changed) {
    DeleteObject(copy);
    return nullptr;
  }
  return copy;
}

void LayOver(HDC picture, HDC scratch, HBITMAP bitmap, int width, int height) {
  HGDIOBJ old = SelectObject(scratch, bitmap);
  BitBlt(picture, 0, 0, width, height, scratch, 0, 0, MERGEPAINT);
  SelectObject(scratch, old);
  if (HBITMAP masked = WhiteToBlackCopy(bitmap, scratch)) {
    old = SelectObject(scratch, masked);
    BitBlt(picture, 0, 0, width, height, scratch, 0, 0, NOTSRCERASE);
    SelectObject(scratch, old);
    DeleteObject(masked);
  }
  PatBlt(picture, 0, 0, width, height, DSTINVERT);
  old = SelectObject(scratch, bitmap);
  BitBlt(picture, 0, 0, width, height, scratch, 0, 0, SRCAND);
  SelectObject(scratch, old);
}

}  // namespace

void DrawStatusPicture(const MonitorContext& context, const StatusServices& services, HWND window) {
  HWND control = GetDlgItem(window, context.pictureControlId);
  if (control == nullptr) return;
  RECT client;
  GetClientRect(control, &client);
  int width = client.right - client.left;
  int height = client.bottom - client.top;
  if (context.pictureWidth > 0 && width > context.pictureWidth) width = context.pictureWidth;
  if (context.pictureHeight > 0 && height > context.pictureHeight) height = context.pictureHeight;
  if (width <= 0 || height <= 0) return;

  HDC target = GetDC(control);
  HDC picture = CreateCompatibleDC(target);
  HDC scratch = CreateCompatibleDC(target);
  HBITMAP canvas = CreateCompatibleBitmap(target, width, height);
  HGDIOBJ oldCanvas = SelectObject(picture, canvas);
  RECT area{0, 0, width, height};
  FillRect(picture, &area, GetSysColorBrush(COLOR_WINDOW));

  const int count = context.layerCount < 16 ? context.layerCount : 16;
  for (int i = 0; i < count; ++i) {
    Sleep(kLayerPauseMs);
    if (context.layers[i] == 0) continue;
    HBITMAP bitmap = LoadLayer(context, services, context.layers[i]);
    if (bitmap == nullptr) continue;
    if (i == 0) {
      HGDIOBJ old = SelectObject(scratch, bitmap);
      BitBlt(picture, 0, 0, width, height, scratch, 0, 0, SRCCOPY);
      SelectObject(scratch, old);
    } else {
      LayOver(picture, scratch, bitmap, width, height);
    }
    DeleteObject(bitmap);
  }

  const int clientWidth = client.right - client.left;
  const int clientHeight = client.bottom - client.top;
  BitBlt(target, (clientWidth - width) / 2, (clientHeight - height) / 2, width, height, picture,
         0, 0, SRCCOPY);
  SelectObject(picture, oldCanvas);
  DeleteObject(canvas);
  DeleteDC(scratch);
  DeleteDC(picture);
  ReleaseDC(control, target);
}

}  // namespace statmon
