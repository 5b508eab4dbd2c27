// The gallery started as a user starts it: every page chosen and
// photographed, every dialog opened, photographed and answered as a person
// would, by messages to the real dialog of the running program. The shots
// go to gallery-shots/ in the build folder.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "examples/gallery/gallery.hpp"
#include "print_capture.hpp"
#include "screenshot.hpp"
#include "whole_file.hpp"
#include "wktest.hpp"

namespace {

using namespace gallery;

std::string ShotPath(const std::string& name) {
  return std::string(WK_BUILD_DIR) + "/gallery-shots/" + name + ".bmp";
}

struct ChildCount {
  const char* class_name;
  int count = 0;
};

BOOL CALLBACK CountChild(HWND child, LPARAM lparam) {
  auto* counting = reinterpret_cast<ChildCount*>(lparam);
  if (wktest::ClassName(child) == counting->class_name) ++counting->count;
  return TRUE;
}

// How many pixels of the window show the colour, give or take the smoothing
// of the glyphs' edges, once more than `more_than` do or ten seconds have
// passed: the gallery paints in a process of its own, when it gets to it.
int PixelsOf(HWND window, COLORREF colour, int more_than) {
  const auto count = [&] {
    return wktest::CountScreenPixels(wktest::AreaOf({window}), colour, 24);
  };
  wktest::WaitFor([&] { return count() > more_than; });
  return count();
}

int CountChildren(HWND window, const char* class_name) {
  ChildCount counting{class_name};
  EnumChildWindows(window, CountChild, reinterpret_cast<LPARAM>(&counting));
  return counting.count;
}

// The gallery's window: found by its class, which keeps the first title
// while the title names the page shown.
class Gallery : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(app_.started());
    window_ = WaitForClass(kTitle);
    ASSERT_NE(window_, nullptr);
    wktest::Sync(window_);
  }

  void TearDown() override {
    if (window_ != nullptr) {
      PostMessageA(window_, WM_CLOSE, 0, 0);
      EXPECT_EQ(app_.WaitExit(), 0);
    }
  }

  // Sends the command as a menu does, and returns once it is carried out.
  // (A posted command followed by any sent message would not do: sent
  // messages overtake posted ones.)
  void Command(int command) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window_, WM_COMMAND, command, 0, SMTO_NORMAL, 10000, &result);
  }

  // The program's visible top-level window of the class, the last in z-order
  // when there are more, waiting up to `ms`; NULL when none appears.
  HWND WaitForClass(const std::string& class_name, int ms = wktest::kPatienceMs) {
    HWND found = nullptr;
    wktest::WaitFor(
        [&] {
          for (HWND w : wktest::TopLevelWindows(app_.pid())) {
            if (wktest::ClassName(w) == class_name) found = w;
          }
          return found != nullptr;
        },
        ms);
    return found;
  }

  // Posts the command and waits for the dialog it opens: NULL when none does.
  HWND OpenDialog(int command) {
    const std::vector<HWND> before = wktest::TopLevelWindows(app_.pid());
    PostMessageA(window_, WM_COMMAND, command, 0);
    return wktest::WaitForNewDialog(app_.pid(), before);
  }

  // Lets the program paint, then saves the window as it looks.
  void Shoot(const std::string& name, std::vector<HWND> also = {}) {
    wktest::Sync(window_);
    wktest::Pump(150);
    also.insert(also.begin(), window_);
    EXPECT_TRUE(wktest::SaveScreenBitmap(wktest::AreaOf(also), ShotPath(name))) << name;
  }

  // The status bar's first part: what the gallery reports last.
  std::string Status() {
    HWND bar = FindWindowExA(window_, nullptr, "msctls_statusbar32", nullptr);
    char text[512] = {};
    SendMessageTimeoutA(bar, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_NORMAL,
                        5000, nullptr);
    return text;
  }

  // Answers the dialog that the command opens; returns the status report
  // that follows.
  std::string Answer(int command, int answer) {
    HWND dialog = OpenDialog(command);
    if (dialog == nullptr) return "no dialog";
    PostMessageA(dialog, WM_COMMAND, answer, 0);
    wktest::WaitForClosed(dialog);
    wktest::Sync(window_);
    return Status();
  }

  wktest::AppProcess app_{WK_GALLERY_EXE};
  HWND window_ = nullptr;
};

TEST_F(Gallery, EveryPageIsShownUnderItsNameAndPhotographed) {
  const struct {
    int command;
    const char* name;
    const char* shot;
  } pages[] = {
      {kPageButtons, "Buttons", "page1-buttons"},
      {kPageControls, "Sliders", "page2-slider"},
      {kPageFields, "Fields", "page3-fields"},
      {kPageList, "List view", "page4-list"},
      {kPageWordProc, "Word processor", "page5-wordproc"},
      {kPageRichEdit, "Rich edit", "page6-richedit"},
      {kPageIcon, "Icon canvas", "page7-icon"},
      {kPageDrawing, "Drawing", "page8-drawing"},
      {kPageDialogs, "Dialogs", "page9-dialogs"},
  };
  ASSERT_EQ(sizeof pages / sizeof pages[0], static_cast<size_t>(kPageCount));
  for (const auto& page : pages) {
    Command(page.command);
    EXPECT_EQ(wktest::WindowText(window_), std::string(kTitle) + " - " + page.name);
    Shoot(page.shot);
  }
}

TEST_F(Gallery, PagesHoldTheirControlsAndDropThemWhenLeft) {
  Command(kPageButtons);
  // 9 alignments, 8 frames, 7 images, 5 states, 3 group boxes, 3 check
  // boxes, 3 radio buttons, an image button.
  EXPECT_EQ(CountChildren(window_, "Button"), 39);
  EXPECT_NE(FindWindowExA(window_, nullptr, "Button", "SUNKEN_SHADOW"), nullptr);

  Command(kPageControls);
  EXPECT_EQ(CountChildren(window_, "msctls_trackbar32"), 8);
  EXPECT_EQ(FindWindowExA(window_, nullptr, "Button", "SUNKEN_SHADOW"), nullptr);

  Command(kPageDrawing);
  EXPECT_EQ(CountChildren(window_, "msctls_trackbar32"), 0);
  // The green box and the yellow box with its dark red border. The gallery
  // paints in a process of its own, one box after the other, when it gets
  // to it: the page is read once all three stand.
  const auto page = [&] {
    return std::vector<COLORREF>{wktest::PixelAt(window_, kPageLeft + 240, kPageTop + 310),
                                 wktest::PixelAt(window_, kPageLeft + 245, kPageTop + 352),
                                 wktest::PixelAt(window_, kPageLeft + 221, kPageTop + 352)};
  };
  const std::vector<COLORREF> expected{RGB(0, 160, 0), RGB(255, 255, 0), RGB(128, 0, 0)};
  wktest::WaitFor([&] { return page() == expected; });
  EXPECT_EQ(page(), expected);
}

TEST_F(Gallery, RichEditShowsTheSourceWithItsSyntaxHighlighted) {
  Command(kPageRichEdit);
  HWND rich = FindWindowExA(window_, nullptr, "RICHEDIT", nullptr);
  ASSERT_NE(rich, nullptr);
  // Keywords blue, line comments green, block comments brown, directives
  // purple, the rest black.
  EXPECT_GT(PixelsOf(rich, RGB(0, 0, 192), 50), 50);
  EXPECT_GT(PixelsOf(rich, RGB(0, 128, 0), 50), 50);
  EXPECT_GT(PixelsOf(rich, RGB(128, 64, 0), 50), 50);
  EXPECT_GT(PixelsOf(rich, RGB(128, 0, 128), 50), 50);
  EXPECT_GT(PixelsOf(rich, RGB(0, 0, 0), 500), 500);
}

TEST_F(Gallery, FieldsPageSpinsThroughTheDaysAndHidesThePassword) {
  Command(kPageFields);
  // 3 alignments, 7 frames, password, coloured, own font, read-only; the
  // spin field is an edit control too.
  // The four combo boxes that take typing hold an edit control each.
  EXPECT_EQ(CountChildren(window_, "Edit"), 15 + 4);
  HWND password = FindWindowExA(window_, nullptr, "Edit", nullptr);
  while (password != nullptr && !(GetWindowLongA(password, GWL_STYLE) & ES_PASSWORD)) {
    password = FindWindowExA(window_, password, "Edit", nullptr);
  }
  ASSERT_NE(password, nullptr);
  // The password field holds the text; only the screen shows stars.
  char secret[64] = {};
  SendMessageA(password, WM_GETTEXT, sizeof secret, reinterpret_cast<LPARAM>(secret));
  EXPECT_STREQ(secret, "secret");
  EXPECT_EQ(SendMessageA(password, EM_GETPASSWORDCHAR, 0, 0), '*');
  HWND spin = nullptr;
  for (HWND e = FindWindowExA(window_, nullptr, "Edit", nullptr); e;
       e = FindWindowExA(window_, e, "Edit", nullptr)) {
    if (GetWindowLongA(e, GWL_STYLE) & WS_VSCROLL) spin = e;
  }
  ASSERT_NE(spin, nullptr);
  // The spin field's arrows reach the gallery as WM_VSCROLL from the field.
  const auto step = [&](int code) {
    SendMessageA(window_, WM_VSCROLL, code, reinterpret_cast<LPARAM>(spin));
    char text[64] = {};
    SendMessageA(spin, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return std::string(text);
  };
  EXPECT_EQ(step(SB_LINEDOWN), "Tuesday");
  EXPECT_EQ(step(SB_LINEDOWN), "Wednesday");
  EXPECT_EQ(step(SB_LINEUP), "Tuesday");
  EXPECT_EQ(step(SB_LINEUP), "Monday");
  EXPECT_EQ(step(SB_LINEUP), "Monday");  // the counter stops at the first day
  for (int i = 0; i < 9; ++i) step(SB_LINEDOWN);
  EXPECT_EQ(step(SB_THUMBPOSITION), "Sunday");  // and the gallery at the last
  EXPECT_EQ(step(SB_LINEUP), "Saturday");
  // The field with colours of its own: white text on dark blue.
  Shoot("fields-after-spin");
  EXPECT_GT(PixelsOf(window_, RGB(0, 0, 128), 3000), 3000);
}

TEST_F(Gallery, WordProcessorIsSearchedThroughTheFindDialog) {
  Command(kPageWordProc);
  HWND wp = FindWindowExA(window_, nullptr, "Edit", nullptr);
  ASSERT_NE(wp, nullptr);
  EXPECT_TRUE(GetWindowLongA(wp, GWL_STYLE) & ES_MULTILINE);
  HWND find = OpenDialog(kDialogFind);
  ASSERT_NE(find, nullptr);
  // The selection ("simple") is the search text the dialog starts with.
  EXPECT_EQ(wktest::ItemText(find, 0x480), "simple");
  SendMessageA(GetDlgItem(find, 0x480), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("caret"));
  PostMessageA(find, WM_COMMAND, IDOK, 0);  // Find Next, downward
  char text[2048] = {};
  SendMessageA(wp, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  DWORD start = 0, end = 0;
  EXPECT_TRUE(wktest::WaitFor([&] {
    const DWORD sel = static_cast<DWORD>(SendMessageA(wp, EM_GETSEL, 0, 0));
    start = LOWORD(sel);
    end = HIWORD(sel);
    return start != 4;
  }));
  Shoot("dialog-find-wordproc", {find});
  EXPECT_EQ(std::string(text + start, text + end), "caret");
  EXPECT_EQ(std::string(text).find("caret"), start);
  PostMessageA(find, WM_COMMAND, IDCANCEL, 0);
  EXPECT_TRUE(wktest::WaitForClosed(find));
}

TEST_F(Gallery, SaveChangesAsksAboutTheWordProcessorsText) {
  HWND box = OpenDialog(kDialogSaveChanges);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(wktest::WindowText(window_), std::string(kTitle) + " - Word processor");
  EXPECT_EQ(wktest::ItemText(box, 0xFFFF), "Save the changes to the text?");
  EXPECT_NE(GetDlgItem(box, IDYES), nullptr);
  EXPECT_NE(GetDlgItem(box, IDNO), nullptr);
  Shoot("dialog-save-changes", {box});
  PostMessageA(box, WM_COMMAND, IDNO, 0);
  EXPECT_TRUE(wktest::WaitForClosed(box));
}

TEST_F(Gallery, PrintDialogPrintsTheRichEdit) {
  ASSERT_TRUE(wktest::EnsureBenchPrinter());
  wktest::PrintCapture capture("gallery-rich-edit");
  ASSERT_TRUE(capture.ready());
  Command(kPageRichEdit);
  HWND print = OpenDialog(kDialogPrint);
  ASSERT_NE(print, nullptr);
  EXPECT_EQ(wktest::WindowText(print), "Print");
  EXPECT_FALSE(IsWindowEnabled(window_));
  Shoot("dialog-print", {print});
  PostMessageA(print, WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(wktest::WaitForClosed(print));
  // The confirmed dialog's printer takes one job. (Its page stays blank
  // under Wine, whose rich edit lays out nothing for a printer: it answers
  // EM_FORMATRANGE with 0.)
  ASSERT_TRUE(wktest::WaitFor([&] { return capture.pages() >= 1; }));
  EXPECT_EQ(capture.pages(), 1);
  wktest::Sync(window_);
  EXPECT_TRUE(IsWindowEnabled(window_));
}

TEST_F(Gallery, PrintDialogPrintsTheWordProcessor) {
  ASSERT_TRUE(wktest::EnsureBenchPrinter());
  wktest::PrintCapture capture("gallery-word-processor");
  ASSERT_TRUE(capture.ready());
  Command(kPageWordProc);
  HWND print = OpenDialog(kDialogPrint);
  ASSERT_NE(print, nullptr);
  EXPECT_FALSE(IsWindowEnabled(window_));
  PostMessageA(print, WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(wktest::WaitForClosed(print));
  ASSERT_TRUE(wktest::WaitFor([&] { return capture.pages() >= 1; }));
  const std::string page = capture.PageText(1);
  // (The PostScript round trip turns hyphens into soft hyphens.)
  EXPECT_NE(page.find("The simple word processor is a multi"), std::string::npos) << page;
  EXPECT_NE(page.find("line text area of the platform."), std::string::npos) << page;
  EXPECT_NE(page.find("Tab stops:"), std::string::npos) << page;
  EXPECT_TRUE(wktest::WaitFor([&] { return Status() == "Word processor print: printed"; }))
      << Status();
}

TEST_F(Gallery, ListViewRowsTravelThroughATextFile) {
  Command(kPageList);
  HWND list = FindWindowExA(window_, nullptr, "SysListView32", nullptr);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 12);
  const auto press = [&](const char* caption) {
    HWND button = FindWindowExA(window_, nullptr, "Button", caption);
    EXPECT_NE(button, nullptr) << caption;
    SendMessageA(button, BM_CLICK, 0, 0);
    wktest::Sync(window_);
  };
  char folder[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  const std::string file = std::string(folder) + "gallery-rows.txt";
  press("Export rows to file");
  EXPECT_EQ(Status(), "Exported: result 0, 12 rows (" + file + ")");
  const std::string exported = wktest::ReadWholeFile(file);
  EXPECT_EQ(exported.rfind("Push button\twk_ButtonCreate\twk_controls.h\t", 0), 0u) << exported;
  press("Clear the list");
  EXPECT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 0);
  Shoot("page4-list-cleared");
  press("Import rows from file");
  EXPECT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 12);
  EXPECT_EQ(Status(), "Imported: result 0, 12 rows (" + file + ")");
  // Exported again, the rows come out as they went in.
  press("Export rows to file");
  EXPECT_EQ(wktest::ReadWholeFile(file), exported);
}

TEST_F(Gallery, CheckBoxesRadioButtonsAndTheImageButtonAnswer) {
  Command(kPageButtons);
  HWND italic = FindWindowExA(window_, nullptr, "Button", "Italic");
  ASSERT_NE(italic, nullptr);
  SendMessageA(italic, BM_CLICK, 0, 0);
  wktest::Sync(window_);
  EXPECT_EQ(Status(), "Italic: checked");
  EXPECT_EQ(SendMessageA(italic, BM_GETCHECK, 0, 0), BST_CHECKED);
  HWND sine = FindWindowExA(window_, nullptr, "Button", "Sine");
  HWND square = FindWindowExA(window_, nullptr, "Button", "Square");
  ASSERT_NE(square, nullptr);
  EXPECT_EQ(SendMessageA(sine, BM_GETCHECK, 0, 0), BST_CHECKED);
  SendMessageA(square, BM_CLICK, 0, 0);
  wktest::Sync(window_);
  EXPECT_EQ(Status(), "Square: checked");
  EXPECT_EQ(SendMessageA(sine, BM_GETCHECK, 0, 0), BST_UNCHECKED);  // one of the group
  // The image button shows its released bitmap, and answers a press.
  HWND image = nullptr;
  for (HWND b = FindWindowExA(window_, nullptr, "Button", nullptr); b;
       b = FindWindowExA(window_, b, "Button", nullptr)) {
    if ((GetWindowLongA(b, GWL_STYLE) & BS_TYPEMASK) == BS_OWNERDRAW) image = b;
  }
  ASSERT_NE(image, nullptr);
  EXPECT_GT(PixelsOf(image, RGB(0x30, 0x70, 0xD0), 64 * 40), 64 * 40);
  SendMessageA(image, BM_CLICK, 0, 0);
  wktest::Sync(window_);
  EXPECT_EQ(Status(), "Image button pressed");
}

TEST_F(Gallery, ComboBoxesOfTheSixKinds) {
  Command(kPageFields);
  EXPECT_EQ(CountChildren(window_, "ComboBox"), 6);
  int lists_shown = 0;
  for (HWND c = FindWindowExA(window_, nullptr, "ComboBox", nullptr); c;
       c = FindWindowExA(window_, c, "ComboBox", nullptr)) {
    EXPECT_EQ(SendMessageA(c, CB_GETCOUNT, 0, 0), 5);
    lists_shown += (GetWindowLongA(c, GWL_STYLE) & 3) == CBS_SIMPLE;
  }
  EXPECT_EQ(lists_shown, 2);
}

TEST_F(Gallery, ButtonsAnswerClicksWithTheirState) {
  Command(kPageButtons);
  HWND target = FindWindowExA(window_, nullptr, "Button", "Released");
  ASSERT_NE(target, nullptr);
  HWND toggle = FindWindowExA(window_, nullptr, "Button", "Push the other one");
  ASSERT_NE(toggle, nullptr);
  SendMessageA(toggle, BM_CLICK, 0, 0);
  wktest::Sync(window_);
  EXPECT_EQ(wktest::WindowText(target), "Pushed");
  EXPECT_TRUE(SendMessageA(target, BM_GETSTATE, 0, 0) & BST_PUSHED);

  HWND disable = FindWindowExA(window_, nullptr, "Button", "Disable the next one");
  HWND enabled = FindWindowExA(window_, nullptr, "Button", "Enabled");
  ASSERT_NE(enabled, nullptr);
  SendMessageA(disable, BM_CLICK, 0, 0);
  wktest::Sync(window_);
  EXPECT_FALSE(IsWindowEnabled(enabled));
  SendMessageA(disable, BM_CLICK, 0, 0);
  wktest::Sync(window_);
  EXPECT_TRUE(IsWindowEnabled(enabled));
}

// A modal dialog of the program: shown, photographed with the window,
// checked while the window is disabled under it, then answered.
struct DialogCase {
  int command;
  const char* shot;
  const char* title;
  int answer;  // the command posted to the dialog
};

TEST_F(Gallery, EveryModalDialogOpensOverTheWindowAndTakesItsAnswer) {
  const DialogCase cases[] = {
      {kDialogInformation, "dialog-information", "Information", IDOK},
      {kDialogQuestion, "dialog-question", "Question", IDNO},
      {kDialogWarning, "dialog-warning", "Warning", IDCANCEL},
      {kDialogStop, "dialog-stop", "Stop", IDRETRY},
      {kDialogShowMessage, "dialog-notice", "Notice", IDOK},
      {kDialogModal, "dialog-modal", "A modal dialog from the toolkit's template", IDOK},
  };
  Command(kPageDialogs);
  for (const DialogCase& c : cases) {
    SCOPED_TRACE(c.shot);
    HWND dialog = OpenDialog(c.command);
    ASSERT_NE(dialog, nullptr);
    wktest::Pump(100);
    EXPECT_EQ(wktest::WindowText(dialog), c.title);
    EXPECT_FALSE(IsWindowEnabled(window_));  // modal to the gallery's window
    Shoot(c.shot, {dialog});
    PostMessageA(dialog, WM_COMMAND, c.answer, 0);
    EXPECT_TRUE(wktest::WaitForClosed(dialog));
    wktest::Sync(window_);
    EXPECT_TRUE(IsWindowEnabled(window_));
  }
}

TEST_F(Gallery, EveryAnswerIsReportedInTheStatusBar) {
  EXPECT_EQ(Answer(kDialogInformation, IDOK), "Information box: OK");
  EXPECT_EQ(Answer(kDialogQuestion, IDYES), "Question box: Yes");
  EXPECT_EQ(Answer(kDialogQuestion, IDNO), "Question box: No");
  EXPECT_EQ(Answer(kDialogQuestion, IDCANCEL), "Question box: Cancel");
  EXPECT_EQ(Answer(kDialogWarning, IDCANCEL), "Warning box: Cancel");
  EXPECT_EQ(Answer(kDialogStop, IDRETRY), "Stop box: Retry");
  EXPECT_EQ(Answer(kDialogShowMessage, IDOK), "Notice: shown, then its text cleared");
  EXPECT_EQ(Answer(kDialogModal, IDCANCEL), "Modal dialog: Cancel");
  EXPECT_EQ(Answer(kDialogSaveChanges, IDCANCEL), "Save changes: Cancel");
  EXPECT_EQ(Answer(kDialogSaveChanges, IDNO), "Save changes: No");
  EXPECT_EQ(Answer(kDialogSaveChanges, IDYES), "Save changes: Yes, saved");
}

TEST_F(Gallery, MenuItemsToolbarAndStatusBarFollowThePage) {
  // The Items menu's checked item toggles with each choice.
  Command(kMenuChecked);
  EXPECT_EQ(Status(), "Checked item: unchecked");
  Command(kMenuChecked);
  EXPECT_EQ(Status(), "Checked item: checked");
  Command(kMenuBitmap);
  EXPECT_EQ(Status(), "Bitmap item chosen");
  Command(kMenuMarked);
  EXPECT_EQ(Status(), "Marked item chosen");

  // A click on the toolbar's seventh button (the icon canvas) shows its page.
  HWND toolbar = FindWindowExA(window_, nullptr, "ToolbarWindow32", nullptr);
  ASSERT_NE(toolbar, nullptr);
  EXPECT_EQ(SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0), kPageCount + 1);  // and a separator
  const LRESULT size = SendMessageA(toolbar, TB_GETBUTTONSIZE, 0, 0);
  const int x = 6 * LOWORD(size) + LOWORD(size) / 2, y = HIWORD(size) / 2;
  PostMessageA(toolbar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  PostMessageA(toolbar, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
  ASSERT_TRUE(wktest::WaitFor(
      [&] { return wktest::WindowText(window_) == std::string(kTitle) + " - Icon canvas"; }));
  // The page's button is checked; the others are not.
  EXPECT_TRUE(SendMessageA(toolbar, TB_ISBUTTONCHECKED, kPageIcon, 0));
  EXPECT_FALSE(SendMessageA(toolbar, TB_ISBUTTONCHECKED, kPageButtons, 0));

  // The mouse resting on a button brings its tooltip, with the page's name.
  RECT bar{};
  GetWindowRect(toolbar, &bar);
  SetCursorPos(bar.left + LOWORD(size) * 2 + LOWORD(size) / 2, bar.top + HIWORD(size) / 2);
  HWND tip = WaitForClass("tooltips_class32");
  ASSERT_NE(tip, nullptr);
  char text[64] = {};
  SendMessageA(tip, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, "Fields");
  Shoot("toolbar-tooltip", {tip});
  SetCursorPos(1000, 700);
}

TEST_F(Gallery, IconCanvasIsPaintedUnderTheMouseAndSaved) {
  Command(kPageIcon);
  wktest::Pump(300);
  // Blue from the palette (second row, fifth swatch), then a click on the
  // top-left cell, transparent in the first picture.
  constexpr int kSwatchX = kPageLeft + 384 + 30, kSwatchY = kPageTop + 24 + 140;
  PostMessageA(window_, WM_LBUTTONDOWN, MK_LBUTTON,
               MAKELPARAM(kSwatchX + 4 * 28 + 10, kSwatchY + 28 + 10));
  POINT cell = {kPageLeft + 6, kPageTop + 24 + 6};
  ClientToScreen(window_, &cell);
  SetCursorPos(cell.x, cell.y);
  PostMessageA(window_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(kPageLeft + 6, kPageTop + 30));
  // Posted clicks are handled at the program's pace, after any sent
  // message: the cell is looked at until it turns blue.
  EXPECT_TRUE(wktest::WaitFor(
      [&] { return wktest::PixelAt(window_, kPageLeft + 6, kPageTop + 30) == RGB(0, 0, 255); }));
  Shoot("page7-icon-painted");

  HWND save = FindWindowExA(window_, nullptr, "Button", "Save icon file");
  ASSERT_NE(save, nullptr);
  SendMessageA(save, BM_CLICK, 0, 0);
  wktest::Sync(window_);
  char path[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, path);
  std::string file = std::string(path) + "gallery-canvas.ico";
  const std::vector<unsigned char> bytes = wktest::ReadFileBytes(file);
  SetCursorPos(1000, 700);  // out of the way of later programs
  ASSERT_EQ(bytes.size(), 766u) << file;
  // Top row last in the colour bits (16 bytes a row, two cells a byte, the
  // left one high); the mask (4 bytes a row) follows.
  const size_t colour = 22 + 40 + 64 + 31 * 16;
  EXPECT_EQ(bytes[colour] >> 4, 12);  // blue
  const size_t mask = 22 + 40 + 64 + 512 + 31 * 4;
  EXPECT_EQ(bytes[mask] & 0x80, 0);     // no longer transparent
  EXPECT_EQ(bytes[mask] & 0x40, 0x40);  // its neighbour still is
  EXPECT_NE(Status().find("Saved"), std::string::npos);
}

TEST_F(Gallery, OpenMenuIsPhotographed) {
  PostMessageA(window_, WM_SYSCOMMAND, SC_KEYMENU, 'i');
  HWND popup = WaitForClass("#32768");  // the open menu
  ASSERT_NE(popup, nullptr);
  wktest::Pump(200);
  Shoot("menu-items", {popup});
  PostMessageA(popup, WM_KEYDOWN, VK_ESCAPE, 0);
  PostMessageA(window_, WM_CANCELMODE, 0, 0);
  EXPECT_TRUE(wktest::WaitForClosed(popup));
}

TEST_F(Gallery, CommonDialogsReportWhatWasChosen) {
  Command(kPageDialogs);
  const auto open = [&](int command) {
    HWND dialog = OpenDialog(command);
    wktest::Pump(150);
    return dialog;
  };
  const auto type = [](HWND dialog, int id, const char* text) {
    SendMessageA(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
  };
  const auto confirm = [&](HWND dialog) {
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(wktest::WaitForClosed(dialog));
    wktest::Sync(window_);
  };

  // The colour dialog: red, green and blue typed into its fields.
  HWND colour = open(kDialogColour);
  ASSERT_NE(colour, nullptr);
  EXPECT_FALSE(IsWindowEnabled(window_));
  type(colour, 706, "10");
  type(colour, 707, "20");
  type(colour, 708, "200");
  Shoot("dialog-colour", {colour});
  confirm(colour);
  EXPECT_EQ(Status(), "Colour dialog: RGB(10, 20, 200)");

  // Open: an existing file, named in the name field.
  char folder[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  const std::string existing = std::string(folder) + "gallery-open.txt";
  wktest::WriteWholeFile(existing, "opened\r\n");
  HWND open_dialog = open(kDialogOpen);
  ASSERT_NE(open_dialog, nullptr);
  type(open_dialog, 0x47C, existing.c_str());
  Shoot("dialog-open", {open_dialog});
  confirm(open_dialog);
  EXPECT_EQ(Status(), "Open dialog: " + existing);

  // Save: a name that does not exist yet.
  const std::string fresh = std::string(folder) + "gallery-saved.txt";
  DeleteFileA(fresh.c_str());
  HWND save_dialog = open(kDialogSave);
  ASSERT_NE(save_dialog, nullptr);
  type(save_dialog, 0x47C, fresh.c_str());
  confirm(save_dialog);
  EXPECT_EQ(Status(), "Save dialog: " + fresh);

  // The font dialog, confirmed as it opens.
  HWND font = open(kDialogFont);
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(wktest::WindowText(font), "Font");
  Shoot("dialog-font", {font});
  confirm(font);
  EXPECT_EQ(Status().rfind("Font dialog: ", 0), 0u) << Status();
  EXPECT_NE(Status(), "Font dialog: cancelled");

  // Cancelled, each says so.
  EXPECT_EQ(Answer(kDialogColour, IDCANCEL), "Colour dialog: cancelled");
  EXPECT_EQ(Answer(kDialogOpen, IDCANCEL), "Open dialog: cancelled");
  EXPECT_EQ(Answer(kDialogFont, IDCANCEL), "Font dialog: cancelled");
}

TEST_F(Gallery, UpDownControlsCountWithTheirArrows) {
  Command(kPageControls);
  HWND updown = FindWindowExA(window_, nullptr, "msctls_updown32", nullptr);
  ASSERT_NE(updown, nullptr);
  // The vertical one comes first: 0 to 100 from 50; its upper half counts up.
  RECT r{};
  GetClientRect(updown, &r);
  PostMessageA(updown, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(r.right / 2, r.bottom / 4));
  PostMessageA(updown, WM_LBUTTONUP, 0, MAKELPARAM(r.right / 2, r.bottom / 4));
  EXPECT_TRUE(wktest::WaitFor([&] { return Status() == "Up-down at 51"; })) << Status();
  PostMessageA(updown, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(r.right / 2, r.bottom * 3 / 4));
  PostMessageA(updown, WM_LBUTTONUP, 0, MAKELPARAM(r.right / 2, r.bottom * 3 / 4));
  EXPECT_TRUE(wktest::WaitFor([&] { return Status() == "Up-down at 50"; })) << Status();
}

TEST_F(Gallery, MessageBoxesShowTheirKeywordsIconsAndButtons) {
  Command(kPageDialogs);
  HWND box = OpenDialog(kDialogQuestion);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(wktest::ItemText(box, 0xFFFF), "Save the changes? (No is the default button.)");
  // "yes_NO_cancel": three buttons, No the default one.
  EXPECT_NE(GetDlgItem(box, IDYES), nullptr);
  EXPECT_NE(GetDlgItem(box, IDCANCEL), nullptr);
  HWND no = GetDlgItem(box, IDNO);
  ASSERT_NE(no, nullptr);
  EXPECT_TRUE(GetWindowLongA(no, GWL_STYLE) & BS_DEFPUSHBUTTON);
  PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
  EXPECT_TRUE(wktest::WaitForClosed(box));
}

TEST_F(Gallery, ModelessDialogsLeaveTheWindowUsable) {
  Command(kPageDialogs);
  HWND modeless = OpenDialog(kDialogModeless);
  ASSERT_NE(modeless, nullptr);
  EXPECT_EQ(wktest::WindowText(modeless), "A modeless dialog window");
  EXPECT_TRUE(IsWindowEnabled(window_));
  // The gallery adds the button once the dialog stands.
  EXPECT_TRUE(wktest::WaitFor([&] { return wktest::ItemText(modeless, IDOK) == "Close"; }))
      << wktest::ItemText(modeless, IDOK);
  Shoot("dialog-modeless", {modeless});
  PostMessageA(modeless, WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(wktest::WaitForClosed(modeless));

  HWND find = OpenDialog(kDialogFind);
  ASSERT_NE(find, nullptr);
  EXPECT_TRUE(IsWindowEnabled(window_));
  SendMessageA(GetDlgItem(find, 0x480), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("toolkit"));
  Shoot("dialog-find", {find});
  // Find Next: the gallery hears of it through the find message.
  PostMessageA(find, WM_COMMAND, IDOK, 0);
  wktest::Sync(window_);
  PostMessageA(find, WM_COMMAND, IDCANCEL, 0);
  EXPECT_TRUE(wktest::WaitForClosed(find));
  // Once closed, the command opens a new one.
  HWND again = OpenDialog(kDialogFind);
  ASSERT_NE(again, nullptr);
  PostMessageA(again, WM_COMMAND, IDCANCEL, 0);
  EXPECT_TRUE(wktest::WaitForClosed(again));
}

}  // namespace
