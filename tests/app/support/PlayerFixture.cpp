#include "PlayerFixture.h"

#include "ApplicationPump.h"
#include "TApplication.h"
#include "UserInput.h"

namespace {

template <class T> void FreeForm(T*& form) {
  if (form) {
    form->Free();
    form = nullptr;
  }
}

std::size_t ModeRequests(const TMciStandIn& media) {
  std::size_t count = 0;
  for (const TMciCall& call : media.CallsOf(MCI_STATUS)) {
    count += call.item == MCI_STATUS_MODE ? 1 : 0;
  }
  return count;
}

} // namespace

void PlayerTest::SetUp() {
  if (!realDevices) {
    port_.emplace(media);
  }
  Application->AddForm(Form1);
  Application->AddForm(Form2);
  Application->AddForm(Form3);
  Application->AddForm(Form4);
  Application->AddForm(Form5);
  Form1->Show();
  PumpPending();
}

void PlayerTest::TearDown() {
  FreeForm(Form5);
  FreeForm(Form4);
  FreeForm(Form3);
  FreeForm(Form2);
  FreeForm(Form1);
  PumpPending();
  port_.reset();
}

void PlayerTest::ListFiles(std::initializer_list<std::string_view> paths) {
  std::vector<String> dropped;
  for (std::string_view path : paths) {
    media.AddFile(path);
    dropped.emplace_back(path);
  }
  DropFiles(Form1->Handle(), dropped);
}

std::vector<String> PlayerTest::Opened() const {
  std::vector<String> elements;
  for (const TMciCall& call : media.CallsOf(MCI_OPEN)) {
    if (call.result == 0 && call.element) {
      elements.push_back(*call.element);
    }
  }
  return elements;
}

String PlayerTest::OpenNow() const {
  const MCIDEVICEID id = Form1->MediaPlayer1->DeviceID();
  const TSimulatedDevice* device = media.Device(id);
  return device ? device->Alias() : String();
}

bool PlayerTest::WaitTicks(int count) {
  const std::size_t target = ModeRequests(media) + static_cast<std::size_t>(count);
  return PumpUntil([&] { return ModeRequests(media) >= target; });
}
