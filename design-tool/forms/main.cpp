// Zentrik.exe: the design tool's entry.
#include <windows.h>
#include <commctrl.h>

#include <exception>

#include "App.h"
#include "Contacts.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  try {
    zentrik::forms::App app;
    return app.Run();
  } catch (const std::exception& e) {
    MessageBoxA(nullptr, e.what(), zentrik::ApplicationTitle, MB_OK | MB_ICONSTOP);
  } catch (...) {
    MessageBoxA(nullptr, "An unexpected error ended the program.", zentrik::ApplicationTitle, MB_OK | MB_ICONSTOP);
  }
  return 1;
}
