// Makes the kit's own controls readable and usable by assistive technology.
#pragma once

namespace novlet {

// Installs the interfaces of the skinned controls with Qt's accessibility
// framework. Call it before the first control is made: an interface once
// asked for is kept for the control's lifetime. Calling it again does nothing.
void InstallKitAccessibility();

}  // namespace novlet
