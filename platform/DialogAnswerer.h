#pragma once
// The one seam through which every message box and every open, save, print
// and colour dialog of both programs passes.  A test installs an answerer: it sees each
// request (what would be shown) and returns the answer the user would give,
// so no box ever waits for a person.  Without an answerer the wrappers show
// the real dialogs, or, when KELMOR_MESSAGE_LOG is set, log the boxes and
// cancel the dialogs (see MessageLog.h).
#include <functional>
#include <optional>
#include <string>
#include <utility>

class QWidget;

enum class DialogKind { Message, OpenFile, SaveFile, Print, Value, Color };

// Button sets of a message box and the button that ends it.
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgResult { Ok, Yes, No, Cancel };
enum class MsgIcon { None, Information, Warning, Error, Question };

// What a wrapper is about to show.  Texts are UTF-8.
struct DialogRequest {
  DialogKind kind = DialogKind::Message;
  std::string caption;                     // window title
  std::string text;                        // message text; job title when printing
  MsgButtons buttons = MsgButtons::Ok;     // message boxes only
  MsgResult defaultButton = MsgResult::Ok; // message boxes only
  MsgIcon icon = MsgIcon::None;            // message boxes only
  QWidget *owner = nullptr;                // message boxes: the window the box
                                           // belongs to and is shown above
  std::string filter;                      // file dialogs: "Name|*.a;*.b|..."
  std::string fileName;                    // file dialogs: the name offered first;
                                           // print: the PDF file offered
                                           // when there is no printer
  int color = 0;                           // colour dialogs: the colour offered first
};

// The user's answer.  Message boxes: the button.  Dialogs: Ok confirms,
// anything else cancels; fileName is the chosen file (open, save) or the PDF
// file to print into (print; empty keeps the printer chosen by default);
// text is what the user typed into a value dialog (whose request has the
// dialog's caption); color is the chosen colour.  Colours are TColor
// values, blue * 65536 + green * 256 + red.
struct DialogAnswer {
  DialogAnswer(MsgResult button = MsgResult::Cancel, std::string fileName = {},
               std::string text = {})
      : button(button), fileName(std::move(fileName)), text(std::move(text)) {}
  MsgResult button;
  std::string fileName;
  std::string text;
  int color = 0;
};

using DialogAnswerer = std::function<DialogAnswer(const DialogRequest &)>;

// Installs the answerer every wrapper asks first and returns the one it
// replaces; an empty function removes it.
DialogAnswerer InstallDialogAnswerer(DialogAnswerer answerer);

// The installed answerer's answer, or nothing when none is installed.
std::optional<DialogAnswer> AskDialogAnswerer(const DialogRequest &request);

// Installs an answerer for the lifetime of the object, then puts back the
// one it replaced.
class ScopedDialogAnswerer {
public:
  explicit ScopedDialogAnswerer(DialogAnswerer answerer)
      : previous_(InstallDialogAnswerer(std::move(answerer))) {}
  ~ScopedDialogAnswerer() { InstallDialogAnswerer(std::move(previous_)); }
  ScopedDialogAnswerer(const ScopedDialogAnswerer &) = delete;
  ScopedDialogAnswerer &operator=(const ScopedDialogAnswerer &) = delete;

private:
  DialogAnswerer previous_;
};
