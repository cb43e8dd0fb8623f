// The order record: a step's orders cross in 13 bytes, and a move target that is no number is
// refused.
#include "link/order_record.h"

#include <limits>

#include "link_fixture.h"

using namespace versus;

namespace {

using OrderRecordTest = LinkTest;

TEST_F(OrderRecordTest, OrdersCrossWholeAndTheLowBytesComeBackWithoutSign) {
    LinkedPc &pc = AddPc();
    battle::TFream &sender = *pc.own, &receiver = *pc.peer;
    sender.moveTarget = {123.5f, -7.25f};
    sender.moving = 1;
    sender.fireNow = 1;
    sender.specialOrder = battle::kSpecialOrdered;
    sender.attackOrder = battle::kTurboArmed;
    sender.weaponSelect = 1;
    ASSERT_TRUE(DecodeOrders(EncodeOrders(sender), receiver));
    EXPECT_EQ(receiver.moveTarget, sender.moveTarget);
    EXPECT_EQ(receiver.moving, 1);
    EXPECT_EQ(receiver.fireNow, 1);
    EXPECT_EQ(receiver.specialOrder, 102);
    EXPECT_EQ(receiver.attackOrder, 102);
    EXPECT_EQ(receiver.weaponSelect, 1);
    sender.attackOrder = -1;
    ASSERT_TRUE(DecodeOrders(EncodeOrders(sender), receiver));
    EXPECT_EQ(receiver.attackOrder, 255);
}

TEST_F(OrderRecordTest, AMoveTargetThatIsNoNumberIsRefusedAndTheOrdersKept) {
    LinkedPc &pc = AddPc();
    battle::TFream &sender = *pc.own, &receiver = *pc.peer;
    receiver.moveTarget = {10, 20};
    sender.moving = 1;
    for (float bad :
         {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity()}) {
        sender.moveTarget = {0, bad};
        EXPECT_FALSE(DecodeOrders(EncodeOrders(sender), receiver));
        EXPECT_EQ(receiver.moveTarget, (battle::GroundPoint{10, 20}));
        EXPECT_EQ(receiver.moving, 0);
    }
}

}  // namespace
