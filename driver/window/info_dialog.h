// CLumisimInfoDlg: the modal info dialog behind the context menu's
// "Info ...." item.
#pragma once

#include <QDialog>

namespace lumisim {

class CLumisimInfoDlg : public QDialog {
  public:
    CLumisimInfoDlg();
};

}  // namespace lumisim
