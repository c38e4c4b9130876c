#include "ComponentLookup.h"
#include "ControlTags.h"
#include "ExceptionReport.h"
#include "FaultReport.h"
#include "SimpleControls.h"
#include "TApplication.h"
#include "TScreen.h"

// The application object lives here, beside its making: every program that uses it links the
// start-up below.
TApplication* Application = nullptr;

// Made before the program's entry point runs: the control tags, the screen and the
// application object, the exception reporter, the global component lookup, the top-level
// fault report, the registered control classes and the application's hints (on); released
// after it returns.
namespace {

void ReportThroughApplication(TObject* sender) { Application->ReportCurrentException(sender); }

class FrameworkLifetime {
public:
  FrameworkLifetime() {
    try {
      CreateControlTags();
      Screen = new TScreen(nullptr);
      Application = new TApplication(nullptr);
      SetExceptionReporter(ReportThroughApplication);
      SetGlobalComponentLookup(FindFormByName);
      InstallFaultReport();
      RegisterSimpleControls();
      Application->SetShowHint(true);
    } catch (...) {
      ReportEscapedException();
    }
  }

  ~FrameworkLifetime() {
    SetGlobalComponentLookup(nullptr);
    SetExceptionReporter(nullptr);
    if (Application) {
      Application->ShutDown();
      Application->Free();
      Application = nullptr;
    }
    if (Screen) {
      Screen->Free();
      Screen = nullptr;
    }
    DeleteControlTags();
  }

  FrameworkLifetime(const FrameworkLifetime&) = delete;
  FrameworkLifetime& operator=(const FrameworkLifetime&) = delete;
};

const FrameworkLifetime lifetime;

} // namespace
