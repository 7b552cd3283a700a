#include "views/about_box.h"

#include "project/load_sequence.h"

namespace varnolux {

std::string AboutTitle() {
    return kProgramTitle;
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
