// Capturing a window of this process into a picture and a .bmp file.
#include <windows.h>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tools/capture/window_capture.h"

namespace {

using namespace zrt::tools;

// A popup window painted red on its left half and blue on its right half, for both WM_PAINT
// and WM_PRINTCLIENT.
LRESULT CALLBACK twoColourProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto paint = [window](HDC dc) {
        RECT r{};
        GetClientRect(window, &r);
        RECT left = r, right = r;
        left.right = r.right / 2;
        right.left = r.right / 2;
        HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
        HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
        FillRect(dc, &left, red);
        FillRect(dc, &right, blue);
        DeleteObject(red);
        DeleteObject(blue);
    };
    if (message == WM_PAINT) {
        PAINTSTRUCT ps;
        paint(BeginPaint(window, &ps));
        EndPaint(window, &ps);
        return 0;
    }
    if (message == WM_PRINTCLIENT) {
        paint(reinterpret_cast<HDC>(wParam));
        return 0;
    }
    if (message == WM_ERASEBKGND) return 1;
    return DefWindowProcW(window, message, wParam, lParam);
}

class WindowCaptureTest : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSW wc{};
        wc.lpfnWndProc = twoColourProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"ZrtCaptureTest";
        RegisterClassW(&wc);
        window_ = CreateWindowExW(0, wc.lpszClassName, L"capture", WS_POPUP, 10, 10, 41, 20, nullptr, nullptr,
                                  wc.hInstance, nullptr);
        ASSERT_NE(window_, nullptr);
    }
    void TearDown() override {
        if (window_ != nullptr) DestroyWindow(window_);
    }
    HWND window_ = nullptr;
};

// Blue, green, red of pixel (x, y) counted from the top of a bottom-up 24-bit picture.
std::vector<int> pixel(const Dib24& image, int x, int y) {
    const std::size_t at = static_cast<std::size_t>(image.height - 1 - y) * Dib24::stride(image.width) +
                           static_cast<std::size_t>(x) * 3;
    return {image.bits[at], image.bits[at + 1], image.bits[at + 2]};
}

TEST_F(WindowCaptureTest, PrintWindowGivesTheWholeWindowWithPaddedRows) {
    const std::optional<Dib24> image = captureWindow(window_, CaptureSource::PrintWindow);
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->width, 41);
    EXPECT_EQ(image->height, 20);
    EXPECT_EQ(Dib24::stride(41), 124u) << "41 * 3 = 123 bytes, padded to 4";
    EXPECT_EQ(image->bits.size(), 124u * 20u);
    EXPECT_EQ(pixel(*image, 2, 3), (std::vector<int>{0, 0, 255})) << "left half red";
    EXPECT_EQ(pixel(*image, 38, 17), (std::vector<int>{255, 0, 0})) << "right half blue";
}

TEST_F(WindowCaptureTest, WritesABmpFileOfTheCapture) {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring path = std::wstring(temp) + L"zrt_capture_test.bmp";
    ASSERT_TRUE(captureWindowToBmp(window_, path, CaptureSource::PrintWindow));
    std::vector<char> bytes;
    {
        const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        bytes.resize(GetFileSize(file, nullptr));
        DWORD read = 0;
        ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
        CloseHandle(file);
    }
    DeleteFileW(path.c_str());
    ASSERT_EQ(bytes.size(), sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) + 124u * 20u);
    BITMAPFILEHEADER header{};
    BITMAPINFOHEADER info{};
    memcpy(&header, bytes.data(), sizeof(header));
    memcpy(&info, bytes.data() + sizeof(header), sizeof(info));
    EXPECT_EQ(header.bfType, 0x4D42);
    EXPECT_EQ(header.bfSize, bytes.size());
    EXPECT_EQ(header.bfOffBits, sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER));
    EXPECT_EQ(info.biWidth, 41);
    EXPECT_EQ(info.biHeight, 20) << "bottom-up";
    EXPECT_EQ(info.biBitCount, 24);
}

TEST_F(WindowCaptureTest, NoPictureOfAWindowThatIsGone) {
    DestroyWindow(window_);
    const HWND gone = window_;
    window_ = nullptr;
    EXPECT_FALSE(captureWindow(gone, CaptureSource::PrintWindow).has_value());
    EXPECT_FALSE(captureWindowToBmp(gone, L"unused.bmp"));
}

TEST(BmpFile, EmptyOrShortImagesAreNotWritten) {
    struct Row {
        const char* row;
        Dib24 image;
    } rows[] = {
        {"no width", Dib24{0, 5, std::vector<std::uint8_t>(100)}},
        {"no height", Dib24{5, 0, std::vector<std::uint8_t>(100)}},
        {"fewer bits than rows", Dib24{5, 5, std::vector<std::uint8_t>(79)}},
    };
    for (const Row& r : rows) EXPECT_FALSE(writeBmp(r.image, L"unused.bmp")) << r.row;
}

}  // namespace
