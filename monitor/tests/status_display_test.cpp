// The display refresh in-process on a window holding the status controls:
// texts from the configuration, and the layered picture drawn from the
// resource library's bitmaps with white as the transparent colour.
#include "status_display.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "wintest/gui_driver.h"
#include "reply_parser.h"
#include "statmon_resource.h"
#include "status_decision.h"

namespace statmon {
namespace {

constexpr int kPictureSize = 120;

class StatusDisplayTest : public ::testing::Test {
 protected:
  void SetUp() override {
    resources_ = LoadLibraryExA((wintest::BinDirectory() + "\\statmon.exe").c_str(), nullptr,
                                LOAD_LIBRARY_AS_DATAFILE);
    library_ = LoadLibraryA((wintest::BinDirectory() + "\\TSTMON_J.dll").c_str());
    ASSERT_NE(resources_, nullptr);
    ASSERT_NE(library_, nullptr);
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    ini_ = std::string(temp) + "statusdisplay" + std::to_string(GetCurrentProcessId()) + ".ini";
    std::ofstream(ini_, std::ios::binary | std::ios::trunc)
        << "[BMPOptions]\r\nDEFAULT=1,1\r\n"
           "[BMPNames]\r\n1=CSDB01\r\n2=CSDM01\r\n"
           "[CodesToBmps]\r\n600100=1,0\r\n200100=1,2\r\n"
           "[ErrorMessages]\r\n600100=2;Ready\\nnow;Nothing to do\r\n"
           "200100=1;Door open;Close\\nthe door\r\n";
    window_ = CreateWindowExA(0, "STATIC", "status", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300,
                              nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    for (int id : {IDC_STATUS_TEXT, IDC_RECOVERY_TEXT, IDC_PICTURE}) {
      CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, id == IDC_PICTURE ? 100 : 0,
                      id == IDC_PICTURE ? kPictureSize : 200, id == IDC_PICTURE ? kPictureSize : 40,
                      window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                      GetModuleHandleA(nullptr), nullptr);
    }
    context_ = new MonitorContext{};
    context_->instance = resources_;
    context_->resourceLibrary = library_;
    context_->mainWindow = window_;
    context_->pictureControlId = kPictureControlId;
    std::snprintf(context_->iniPath, sizeof context_->iniPath, "%s", ini_.c_str());
    ASSERT_TRUE(CreateReplyParser(*context_));
    ComputeOptions(*context_);
  }
  void TearDown() override {
    if (context_) DestroyReplyParser(*context_);
    delete context_;
    if (window_) DestroyWindow(window_);
    DeleteFileA(ini_.c_str());
    if (library_) FreeLibrary(library_);
    if (resources_) FreeLibrary(resources_);
  }
  std::vector<COLORREF> Picture() {
    HWND control = GetDlgItem(window_, IDC_PICTURE);
    HDC dc = GetDC(control);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < kPictureSize; y += 4) {
      for (int x = 0; x < kPictureSize; x += 4) pixels.push_back(GetPixel(dc, x, y));
    }
    ReleaseDC(control, dc);
    return pixels;
  }

  HMODULE resources_ = nullptr;
  HMODULE library_ = nullptr;
  HWND window_ = nullptr;
  MonitorContext* context_ = nullptr;
  std::string ini_;
};

TEST_F(StatusDisplayTest, TextsOfTheCodeReachTheControls) {
  context_->statusCode = 200100;
  RefreshDisplay(*context_, false);
  EXPECT_EQ(wintest::ControlText(window_, IDC_STATUS_TEXT), "Door open");
  EXPECT_EQ(wintest::ControlText(window_, IDC_RECOVERY_TEXT), "Close\r\nthe door");
  EXPECT_EQ(context_->iconColour, 1);
  context_->statusCode = 600100;
  RefreshDisplay(*context_, false);
  EXPECT_EQ(wintest::ControlText(window_, IDC_STATUS_TEXT), "Ready\nnow");
  EXPECT_EQ(context_->iconColour, 2);
}

TEST_F(StatusDisplayTest, OverlayIsDrawnOverTheBodyWithWhiteTransparent) {
  context_->statusCode = 600100;
  RefreshDisplay(*context_, false);
  const std::vector<COLORREF> body = Picture();
  const COLORREF window = GetSysColor(COLOR_WINDOW);
  int drawn = 0;
  for (COLORREF pixel : body) drawn += pixel != window ? 1 : 0;
  EXPECT_GT(drawn, 0) << "the body bitmap was not drawn";

  context_->statusCode = 200100;
  RefreshDisplay(*context_, false);
  ASSERT_EQ(context_->layerCount, 2);
  ASSERT_EQ(context_->layers[1], 2);
  const std::vector<COLORREF> layered = Picture();
  int same = 0;
  int white = 0;
  for (std::size_t i = 0; i < body.size(); ++i) {
    same += body[i] == layered[i] ? 1 : 0;
    white += layered[i] == RGB(255, 255, 255) ? 1 : 0;
  }
  EXPECT_LT(same, static_cast<int>(body.size())) << "the overlay left no mark";
  // Outside the overlay's own drawing the body shows through.
  EXPECT_GT(same, static_cast<int>(body.size()) / 2);
}

}  // namespace
}  // namespace statmon
