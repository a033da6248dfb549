#include "component/conversion_driver.hpp"
#include "ui/dialog_session.hpp"
#include "ui/qt/batch_dialog.hpp"

namespace pelcon::ui {

ResultCode RunBatchConversionDialog() {
  DialogSession session;
  if (!session.Ready()) return kResultFail;
  {
    BatchDialog dialog(ConvertLogFile);
    dialog.exec();
  }  // the settings are written as the dialog goes
  return kResultOk;
}

}  // namespace pelcon::ui
