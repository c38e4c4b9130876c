#include "FrameworkMessages.h"
#include "OwnedForm.h"
#include "TestForms.h"

#include <gtest/gtest.h>

// What a control is told while it is read from its form's resource, and when.

namespace {

const std::vector<UINT> controlNotices = {XM_PARENTCOLORCHANGED, XM_PARENTFONTCHANGED,
                                          XM_PARENTSHOWHINTCHANGED, XM_ICONFONTCHANGED,
                                          XM_PARENTBIDIMODECHANGED};

} // namespace

TEST(ControlReading, ControlHearsOfItsParentRightAfterItsOwnData) {
  auto form = AddOwnedForm<TReadingForm>();
  EXPECT_EQ(form->Spot1->trace.notices, controlNotices);
}

TEST(ControlReading, WindowedControlHearsOfThe3DLookLast) {
  auto form = AddOwnedForm<TReadingForm>();
  std::vector<UINT> expected = controlNotices;
  expected.push_back(XM_PARENTCTL3DCHANGED);
  EXPECT_EQ(form->Probe1->trace.notices, expected);
  EXPECT_EQ(form->Probe3->trace.notices, expected);
}

TEST(ControlReading, ControlsTakeTheLoadedColourAndFontOfTheirParentWhileBeingRead) {
  auto form = AddOwnedForm<TReadingForm>();
  EXPECT_EQ(form->Probe1->trace.color, clLime);
  EXPECT_EQ(form->Spot1->trace.color, clLime);
  EXPECT_EQ(form->Probe1->trace.fontHeight, -12);
  EXPECT_EQ(form->Spot1->trace.fontHeight, -12);
}

TEST(ControlReading, ChildrenAreInTheirTabOrderWhenTheParentsReadingEnds) {
  auto form = AddOwnedForm<TReadingForm>();
  EXPECT_EQ(form->tabOrdersAfterReading, (std::vector<int>{2, 1, 0}));
  std::vector<TWinControl*> order;
  form->GetTabOrderList(order);
  EXPECT_EQ(order, (std::vector<TWinControl*>{form->Probe3, form->Probe2, form->Probe1}));
}
