#include "views/about/about_box.h"

#include "project/load/main_title.h"

namespace varnolux {

std::string AboutTitle() {
    return StartupTitle();
}

void OpenAbout(AboutFrame& frame) {
    frame.Show();
    frame.EnableOwner(false);
}

void CloseAbout(AboutFrame& frame) {
    frame.EnableOwner(true);
    frame.Destroy();
}

}  // namespace varnolux
