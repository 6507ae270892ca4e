#include <gtest/gtest.h>

#include <string>

#include "core/output.h"
#include "gmm/gprs_timer.h"

namespace l3 {
namespace {

std::string timer_block(int (*render)(uint8_t, OutputText&), uint8_t octet) {
  char buf[512] = "";
  OutputText out(buf);
  EXPECT_EQ(render(octet, out), 1);
  out.finish();
  return buf;
}

TEST(GmmTimer, GprsTimerUnitsAndValue) {
  EXPECT_EQ(timer_block(render_gprs_timer, 0xE0),
            "<GPRS_Timer><Unit>\n(7)value indicates that the timer is "
            "deactivated</Unit>\n"
            "<Timer_value>0</Timer_value>\n</GPRS_Timer>");
  EXPECT_EQ(timer_block(render_gprs_timer, 0x1F),
            "<GPRS_Timer><Unit>\n(0)value is incremented in multiples of 2 "
            "seconds</Unit>\n"
            "<Timer_value>31</Timer_value>\n</GPRS_Timer>");
  EXPECT_EQ(timer_block(render_gprs_timer, 0x49),
            "<GPRS_Timer><Unit>\n(2)value is incremented in multiples of "
            "decihours</Unit>\n"
            "<Timer_value>9</Timer_value>\n</GPRS_Timer>");
  // Units 3 to 6: the GPRS timer keeps a trailing blank, the T3302 block does
  // not.
  EXPECT_EQ(timer_block(render_gprs_timer, 0xC1),
            "<GPRS_Timer><Unit>\n(6)value is incremented in multiples of 1 "
            "minute </Unit>\n"
            "<Timer_value>1</Timer_value>\n</GPRS_Timer>");
  EXPECT_EQ(timer_block(render_t3302_value, 0x63),
            "<T3302_Value>\n<Unit>\n(3)value is incremented in multiples of 1 "
            "minute</Unit>\n"
            "<Timer_value>3</Timer_value>\n</T3302_Value>\n");
  EXPECT_EQ(timer_block(render_t3302_value, 0x25),
            "<T3302_Value>\n<Unit>\n(1)value is incremented in multiples of 1 "
            "minute</Unit>\n"
            "<Timer_value>5</Timer_value>\n</T3302_Value>\n");
}

}  // namespace
}  // namespace l3
