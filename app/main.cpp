// Kelmor: plane-frame analysis.  An optional argument names a batch file,
// run once the message loop has started.
#include "app/Application.h"
#include "platform/MessageBox.h"

#include <QApplication>
#include <exception>

int main(int argc, char **argv) {
  QApplication application(argc, argv);
  PrepareApplication(application);
  AutoCreatedForms forms;
  forms.mainForm.show();
  try {
    application.exec();
  } catch (const std::exception &error) {
    MessageBox(error.what(), "Kelmor", MsgButtons::Ok, MsgIcon::Error);
  } catch (...) {
    MessageBox("", "Kelmor", MsgButtons::Ok, MsgIcon::Error);
  }
  return 0;
}
