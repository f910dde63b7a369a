#pragma once

namespace kalkora {

// The application-wide settings of kalkora-import: its title, and Qt's own
// texts in Czech where the translations are installed. The title is no
// display name, which the desktop would append to every window's caption.
void setUpApplication();

}  // namespace kalkora
