// The folder browser and the file prompt dialog, run modally under Wine and
// worked from inside their own message loop: the drives, lazy reading,
// folders that never show, and the paths they give back.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "engine_app.h"
#include "setup/dialogs/file_prompt_dlg.h"
#include "setup/dialogs/folder_browser_dlg.h"

namespace {

constexpr UINT kAct = WM_APP + 7;

// A browser that runs its acts once it is up, from its own message loop,
// one posted message each: an act that ended the dialog stops the rest.
class ActingBrowser : public CFolderBrowserDlg {
 public:
  using Act = std::function<void(ActingBrowser&)>;
  explicit ActingBrowser(Act act) : ActingBrowser(std::vector<Act>{std::move(act)}) {}
  explicit ActingBrowser(std::vector<Act> acts)
      : CFolderBrowserDlg(kPickFolder, "c:\\ignored", nullptr), m_acts(std::move(acts)) {}
  BOOL OnInitDialog() override {
    CFolderBrowserDlg::OnInitDialog();
    PostMessage(kAct);
    return TRUE;
  }
  HWND TreeWindow() const { return GetDlgItem(1006); }
  HTREEITEM Root() const { return m_hRoot; }
  std::string Text(HTREEITEM item) const { return ItemText(TreeWindow(), item); }
  std::vector<std::string> Children(HTREEITEM item) const {
    std::vector<std::string> names;
    for (HTREEITEM c = TreeView_GetChild(TreeWindow(), item); c; c = TreeView_GetNextSibling(TreeWindow(), c))
      names.push_back(Text(c));
    return names;
  }
  HTREEITEM Child(HTREEITEM item, const std::string& name) const {
    for (HTREEITEM c = TreeView_GetChild(TreeWindow(), item); c; c = TreeView_GetNextSibling(TreeWindow(), c))
      if (lstrcmpiA(Text(c).c_str(), name.c_str()) == 0) return c;
    return nullptr;
  }
  HTREEITEM Open(HTREEITEM item) {
    TreeView_Expand(TreeWindow(), item, TVE_EXPAND);
    return item;
  }
  void Pick(HTREEITEM item) { TreeView_SelectItem(TreeWindow(), item); }
  void PressOk() { SendMessage(WM_COMMAND, IDOK, 0); }

 protected:
  LRESULT OnAct(WPARAM, LPARAM) {
    m_acts[m_next++](*this);
    if (m_next < m_acts.size()) PostMessage(kAct);
    return 0;
  }
  VT_DECLARE_MESSAGE_MAP()

 private:
  std::vector<Act> m_acts;
  size_t m_next = 0;
};

VT_BEGIN_MESSAGE_MAP(ActingBrowser, CFolderBrowserDlg)
  VT_ON_MESSAGE(kAct, OnAct)
VT_END_MESSAGE_MAP()

class Browse : public ::testing::Test {
 protected:
  // Wine keeps the hidden and system attributes of a folder but not the
  // temporary one, so only those two are tried here.
  Browse() : dir("browse") {
    for (const char* name : {"b", "a", "empty", "Hidden", "Sys"})
      CreateDirectoryA((dir / name).c_str(), nullptr);
    SetFileAttributesA((dir / "Hidden").c_str(), FILE_ATTRIBUTE_HIDDEN);
    SetFileAttributesA((dir / "Sys").c_str(), FILE_ATTRIBUTE_SYSTEM);
    CreateDirectoryA((dir / "a\\inner").c_str(), nullptr);
    WriteTextFile(dir / "file.txt", "not a folder");
  }
  ~Browse() override {
    for (const char* name : {"Hidden", "Sys"}) SetFileAttributesA((dir / name).c_str(), FILE_ATTRIBUTE_NORMAL);
  }
  // c: -> vttest -> browse, read on the way.
  static HTREEITEM OpenScratch(ActingBrowser& b) {
    HTREEITEM c = b.Open(b.Child(b.Root(), "c:"));
    HTREEITEM vttest = b.Open(b.Child(c, "vttest"));
    return b.Open(b.Child(vttest, "browse"));
  }
  ScratchDir dir;
  EngineApp app;
};

TEST_F(Browse, ListsTheDrivesUnderMyComputer) {
  std::string root;
  std::vector<std::string> drives, caption(1);
  ActingBrowser b([&](ActingBrowser& self) {
    root = self.Text(self.Root());
    drives = self.Children(self.Root());
    char text[64] = "";
    GetWindowTextA(self.m_hWnd, text, sizeof text);
    caption[0] = text;
    self.EndDialog(IDCANCEL);
  });
  EXPECT_EQ(b.DoModal(), IDCANCEL);
  EXPECT_EQ(root, "My Computer");
  EXPECT_EQ(caption[0], "Select a folder...");
  // Every drive of the prefix, in lower case; nothing read yet.
  EXPECT_NE(std::find(drives.begin(), drives.end(), "c:"), drives.end());
  for (const std::string& d : drives) {
    ASSERT_EQ(d.size(), 2u) << d;
    EXPECT_TRUE(d[0] >= 'a' && d[0] <= 'z') << d;
    EXPECT_EQ(d[1], ':');
  }
}

TEST_F(Browse, ReadsFoldersLazilySortedAndWithoutHiddenOnes) {
  std::vector<std::string> scratch, beforeOpen, emptyAfterFirst, emptyAfterSecond;
  ActingBrowser b([&](ActingBrowser& self) {
    HTREEITEM c = self.Child(self.Root(), "c:");
    beforeOpen = self.Children(c);
    HTREEITEM browse = OpenScratch(self);
    scratch = self.Children(browse);
    // An empty folder cannot be opened; once it has a folder it can.
    HTREEITEM empty = self.Open(self.Child(browse, "empty"));
    emptyAfterFirst = self.Children(empty);
    CreateDirectoryA((dir / "empty\\now").c_str(), nullptr);
    self.Open(empty);
    emptyAfterSecond = self.Children(empty);
    self.EndDialog(IDCANCEL);
  });
  b.DoModal();
  EXPECT_EQ(beforeOpen, std::vector<std::string>{"Dummy"});
  EXPECT_EQ(scratch, (std::vector<std::string>{"a", "b", "empty"}));
  EXPECT_EQ(emptyAfterFirst, std::vector<std::string>{"Dummy"});
  EXPECT_EQ(emptyAfterSecond, std::vector<std::string>{"now"});
}

TEST_F(Browse, OkGivesTheDriveOrFolderPathAndRefusesTheRoot) {
  bool stillUp = false;
  ActingBrowser onDrive(std::vector<ActingBrowser::Act>{
      [&](ActingBrowser& self) {
        self.Pick(self.Root());
        self.PressOk();  // the root is no folder: the dialog stays
      },
      [&](ActingBrowser& self) {
        stillUp = true;
        self.Pick(self.Child(self.Root(), "c:"));
        self.PressOk();
      }});
  EXPECT_EQ(onDrive.DoModal(), IDOK);
  EXPECT_TRUE(stillUp);
  EXPECT_EQ(onDrive.m_strPath, "c:\\");

  ActingBrowser onFolder([&](ActingBrowser& self) {
    HTREEITEM browse = OpenScratch(self);
    self.Pick(self.Child(browse, "a"));
    self.PressOk();
  });
  EXPECT_EQ(onFolder.DoModal(), IDOK);
  EXPECT_EQ(onFolder.m_strPath, "c:\\vttest\\browse\\a\\");

  // The system's own folder, named as the file system names it.
  ActingBrowser onWindows([&](ActingBrowser& self) {
    HTREEITEM c = self.Open(self.Child(self.Root(), "c:"));
    self.Pick(self.Child(c, "windows"));
    self.PressOk();
  });
  EXPECT_EQ(onWindows.DoModal(), IDOK);
  EXPECT_EQ(lstrcmpiA(onWindows.m_strPath.c_str(), "c:\\WINDOWS\\"), 0) << onWindows.m_strPath;
}

// A file prompt answered from inside its loop.
class ActingPrompt : public CFilePromptDlg {
 public:
  explicit ActingPrompt(std::function<void(ActingPrompt&)> act) : m_act(std::move(act)) {}
  BOOL OnInitDialog() override {
    CFilePromptDlg::OnInitDialog();
    PostMessage(kAct);
    return TRUE;
  }

 protected:
  LRESULT OnAct(WPARAM, LPARAM) {
    m_act(*this);
    return 0;
  }
  VT_DECLARE_MESSAGE_MAP()

 private:
  std::function<void(ActingPrompt&)> m_act;
};

VT_BEGIN_MESSAGE_MAP(ActingPrompt, CFilePromptDlg)
  VT_ON_MESSAGE(kAct, OnAct)
VT_END_MESSAGE_MAP()

TEST_F(Browse, FilePromptShowsItsTextsAndGivesThePathWithoutItsBackslash) {
  std::string caption, message, shown;
  ActingPrompt prompt([&](ActingPrompt& self) {
    char text[256] = "";
    GetWindowTextA(self.m_hWnd, text, sizeof text);
    caption = text;
    GetDlgItemTextA(self.m_hWnd, 1015, text, sizeof text);
    message = text;
    GetDlgItemTextA(self.m_hWnd, 101, text, sizeof text);
    shown = text;
    SetDlgItemTextA(self.m_hWnd, 101, "c:\\Program Files\\");
    self.SendMessage(WM_COMMAND, IDOK, 0);
  });
  prompt.m_strCaption = "Vantora Setup - File not Found";
  prompt.m_strMessage = "File a.dll could not be found.";
  prompt.m_strPath = "e:\\bin";
  EXPECT_EQ(prompt.DoModal(), IDOK);
  EXPECT_EQ(caption, "Vantora Setup - File not Found");
  EXPECT_EQ(message, "File a.dll could not be found.");
  EXPECT_EQ(shown, "e:\\bin");
  EXPECT_EQ(prompt.m_strPath, "c:\\Program Files");

  ActingPrompt empty([&](ActingPrompt& self) {
    SetDlgItemTextA(self.m_hWnd, 101, "");
    self.SendMessage(WM_COMMAND, IDOK, 0);
  });
  empty.m_strPath = "e:\\bin";
  EXPECT_EQ(empty.DoModal(), IDCANCEL);  // OK with no path counts as Cancel
}

}  // namespace
