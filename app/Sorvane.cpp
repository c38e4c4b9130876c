// The player program: the application object (made by the framework's start-up), the five
// windows in their order, and the message loop until the player window closes.
#include "Display.h"
#include "List.h"
#include "Main.h"
#include "TApplication.h"
#include "Unit4.h"
#include "Unit5.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  try {
    Application->StartUp();
    Application->SetTitle("Sorvane");
    Application->AddForm(Form1);
    Application->AddForm(Form2);
    Application->AddForm(Form3);
    Application->AddForm(Form4);
    Application->AddForm(Form5);
    Application->RunLoop();
  } catch (const Exception& error) {
    Application->ShowErrorBox(error);
  }
  return 0;
}
