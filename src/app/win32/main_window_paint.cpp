#include "app/win32/main_window.h"
#include "seams/main_ids.h"

namespace varnolux {

// The Continue button's face follows the run state.
void MainWindow::OnDrawItem(const DRAWITEMSTRUCT& item) {
    listAndRun_.OnDrawItem(item);
}

}  // namespace varnolux
