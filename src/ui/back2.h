// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "compiler/compile_state.h"
#include "framelist/deflist_reader.h"
#include "framelist/frame_document.h"

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QImage;
class QLabel;
class QLineEdit;
class QListView;
class QProgressBar;
class QPushButton;
class QTimer;

namespace kelvane {
class Error;
}

namespace kelvane::ui {

class BuildRunner;
class DefViewer;
class FrameListModel;
class StatusLine;
class UserDialogs;
struct BuildResult;

// The main window, TForm1: the frame list, the preview, the option controls
// and the commands. Every rule comes from the core; this class reads the
// controls into the core's values, calls the core and shows what it returns.
class TForm1 : public QWidget {
  Q_OBJECT

 public:
  // The status line's height, under the controls' specified client area.
  static constexpr int kStatusLineHeight = 20;
  // The property that keeps a control's tooltip of its keys, for a tooltip
  // that adds more when it is shown.
  static constexpr const char* kShortcutTipProperty = "shortcutTip";

  explicit TForm1(UserDialogs& dialogs, QWidget* parent = nullptr);
  ~TForm1() override;

  // "?" shows this window; without one the button does nothing.
  void SetHelpWindow(QWidget* helpWindow) { helpWindow_ = helpWindow; }

  // Opens a DefList as Load DefList does once its dialog named it (the
  // program's argument, a document dropped on the window); a document that
  // could be of either variant is read as type 2. A relative name is taken
  // from the start folder.
  void OpenDefList(const std::string& path);

  const FrameDocument& document() const { return document_; }
  const std::string& startDirectory() const { return startDirectory_; }
  // A build runs off the GUI thread; the controls that change the list, the
  // settings or the output wait for it.
  bool IsBuilding() const;

 signals:
  void buildFinished();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  // The controls, by the names the program has always given them.
  struct Controls {
    QFrame* Panel1;
    QLabel* Image1;
    QCheckBox* CheckBox1;
    QPushButton* help;
    QComboBox* ComboBox2;
    QComboBox* ComboBox1;
    QPushButton* Button6;
    QPushButton* Button5;
    QPushButton* Button2;
    QPushButton* Button3;
    QPushButton* Button4;
    QPushButton* BitBtn1;
    QPushButton* Button1;
    QFrame* Panel2;
    QLabel* Label14;
    QLabel* Label6;
    QLabel* Label13;
    QFrame* Panel3;
    QLabel* Label7;
    QLabel* Label8;
    QLabel* Label1;
    QLineEdit* Edit3;
    QPushButton* BitBtn2;
    QProgressBar* Gauge1;
    QCheckBox* CB2;
    QCheckBox* CB3;
    QCheckBox* CB4;
    QLabel* Label2;
    QLabel* Label3;
    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QLineEdit* Edit4;
    QComboBox* ComboBox3;
    QCheckBox* CheckBox2;
    QLabel* Label4;
    QCheckBox* CB5;
    QLineEdit* Edit5;
    QCheckBox* CB6;
    QLineEdit* Edit6;
    QPushButton* WizardButton;
    QListView* ListBox1;
  };

  // back2_layout.cpp
  void CreateControls();
  void CreateListContextMenu();
  void ConnectReactions();

  // back2_options.cpp: the window's own reactions.
  void FormCreate();                // records StartDirectory and shows the start values
  void ComboBox2Change(int index);  // the user picked a Type: its Formats entry follows
  void ComboBox1Change(int index);  // the user picked a Formats entry: "Type of monster" follows
  void ComboBox3Change(int index);  // the user picked a monster type
  void CB4Click(bool checked);      // "Fixed Size:" switches the size fields
  void CB5Click(bool checked);      // "X:" switches the X offset field
  void CB6Click(bool checked);      // "Y:" switches the Y offset field
  void BitBtn2Click();              // chooses the output DEF file
  void ListBox1Click();             // the preview of the selected entry
  void helpClick();                 // shows the help window
  void WizardButtonClick();         // runs the creature wizard on this window's list
  void ShowDocument();              // shows what the wizard changed: options and group count
  void Button1Click();              // "Create Def File": the compilation, started
  void ShowFramesEncoded(size_t encoded, size_t total);
  void BuildFinished(const std::shared_ptr<BuildResult>& result);
  bool AskToStop();  // Esc, or closing the window, while a build runs: true to stop
  void ShowBuilding();
  void ShowSettings();
  void ShowProgress(int value);

  // back2_lists.cpp: the list and DefList commands.
  void Button2Click();                             // ADD File
  void Button3Click();                             // Cut File, also the Delete key
  void Button5Click();                             // AddSeparator
  void Button6Click();                             // New
  void ListBox1ClickCheck(int row, bool checked);  // a check mark toggled: selection moves down
  void BitBtn1Click();                             // Save As DefList
  bool SaveAs();                                   // false when cancelled or failed
  bool SaveTo(const std::string& path);
  void Button4Click();  // Load DefList
  void AddFiles(const std::vector<std::string>& paths);
  void LoadList(const std::string& path, DefListType ifUnsure);
  void ShowGroupCount(int count);
  Selection SelectedEntry() const;
  void SelectFromCode(Selection selected);

  // Selection changes made while it lives are the window's own, not the
  // user's: they run no preview.
  class QuietSelection {
   public:
    explicit QuietSelection(TForm1& window)
        : flag_(window.selectingFromCode_), was_(window.selectingFromCode_) {
      flag_ = true;
    }
    ~QuietSelection() { flag_ = was_; }

   private:
    bool& flag_;
    bool was_;
  };

  // back2_document.cpp: the document as a whole, its title and its changes.
  bool HasUnsavedChanges() const;
  void MarkSaved();  // what the window holds now is what its document holds
  void ScheduleTitleRefresh();
  void RefreshTitle();
  // Asks Save, Discard or Cancel when unsaved changes would be thrown away;
  // true when the command may go on.
  bool MayThrowAwayChanges();
  // back2_shortcuts.cpp
  void CreateShortcuts();
  // The window's place on the screen: the last one kept, fitted to the screen.
  void RestoreWindowPlace();
  void RememberWindowPlace() const;

  // back2_viewer.cpp: the DEF viewer, reached without a control of its own.
  void CreateViewerCommands();  // Ctrl+D and the list's "View the built DEF"
  void ViewDefClick();          // Ctrl+D: a DEF chosen in a dialog
  void ViewBuiltDefClick();     // the DEF Edit3 names
  void RefreshViewBuiltDef();   // enabled while that file exists
  void ShowViewer(const std::string& path);

  // back2_colours.cpp: how frames without an 8-bit palette get their colours,
  // through the list's context menu, and the preview of true-colour frames.
  void CreateColourCommands();
  void ReferencePaletteClick();            // picks the palette file the DEF takes
  void ClearReferencePaletteClick();       // the DEF takes its palette from the frames again
  void RefreshColourCommands();            // the menu's states and its palette line
  std::string PaletteDescription() const;  // which palette a build will use
  // Shows the selected frame: a true-colour frame as it will be built once it
  // is mapped, `original` until then and while O is held toggled.
  void ShowFramePicture(const std::string& path, const QImage& original);
  void MappedPreviewReady();
  void TogglePreviewColours();  // O: the original or the frame as it will be built
  void ShowPreviewPicture();

  // An error box; the path is added when the message does not name it
  // already, and the hints the core has for the failure, the list being read
  // from `documentPath` (by default the document open).
  void ShowError(const Error& error);
  void ShowError(const Error& error, const std::string& documentPath);

  UserDialogs& dialogs_;
  Controls controls_{};
  FrameListModel* listModel_ = nullptr;
  FrameDocument document_;  // the list, its group numbers and the option values shown
  CompileState state_;
  std::string startDirectory_;
  int addFilterIndex_ = 0;        // the add-file dialog's filter entry last chosen
  bool showingSettings_ = false;  // controls are being set from document_.settings
  bool selectingFromCode_ = false;
  bool clickHandled_ = false;  // the click under way already ran the preview or a check reaction
  QWidget* helpWindow_ = nullptr;
  DefViewer* viewer_ = nullptr;  // made when first asked for, then reused
  QAction* viewBuiltDef_ = nullptr;
  BuildRunner* runner_ = nullptr;
  StatusLine* statusLine_ = nullptr;
  QAction* stopBuild_ = nullptr;          // Esc while a build runs
  std::vector<QAction*> idleOnly_;        // commands that change the document: not while building
  bool closeWhenBuilt_ = false;           // closing asked to stop the build first
  std::string documentPath_;              // the DefList last opened or saved
  std::optional<std::string> savedText_;  // the document as saved or opened, if it was
  QTimer* titleRefresh_ = nullptr;
  QAction* clearPalette_ = nullptr;
  QAction* dither_ = nullptr;
  QAction* paletteLine_ = nullptr;
  struct TrueColourPreview;
  struct PreviewDeleter {
    void operator()(TrueColourPreview* preview) const;
  };
  std::unique_ptr<TrueColourPreview, PreviewDeleter> preview_;
};

}  // namespace kelvane::ui
