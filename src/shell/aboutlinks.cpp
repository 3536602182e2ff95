// The main window's ways to the maker: the About button opens the web site,
// the side picture and the menu item open the About window.

#include "shell/aboutwindow.h"
#include "shell/executelink.h"
#include "ui/mainwindow.h"

namespace lullara {

void frmRandom::cmdAbout_Click() { ExecuteLink(m_services, this, kMakerWebSite); }

void frmRandom::imgLogo_Click() { AboutWindow::showFor(m_services, this); }

} // namespace lullara
