/* The capture interface from C, linked against the shared library. */
#include <stdio.h>
#include <string.h>
#include <tharvel.h>

int main(void) {
  static const char text[] = "UL 05 08 # location updating request\nDL 06 35 01\n";
  char error[128];
  tharvel_capture* cap =
      tharvel_capture_open_memory((const uint8_t*)text, sizeof text - 1, error, sizeof error);
  if (cap == NULL) return 1;
  tharvel_frame frame;
  memset(&frame, 0, sizeof frame);
  frame.size = sizeof frame;
  int seen = 0;
  while (tharvel_capture_next(cap, &frame) == 1) {
    if (frame.source != THARVEL_SOURCE_TEXT || frame.length < 2) return 2;
    if (strcmp(tharvel_capture_channel_name(&frame), "-") != 0) return 3;
    ++seen;
  }
  struct tharvel_capture_counters counters;
  memset(&counters, 0, sizeof counters);
  counters.size = sizeof counters;
  tharvel_capture_counters(cap, &counters);
  tharvel_capture_close(cap);
  if (seen != 2 || counters.messages != 2 || counters.packets != 2) return 4;

  /* An AGCH fill block fed live is counted, not returned. */
  static const uint8_t fill[] = {2, 4, 1, 0, 0, 1, 0, 0, 0, 0, 0, 0, 4, 0, 0, 0, 0x01, 0x2B, 0x2B, 0x2B};
  tharvel_capture* live = tharvel_capture_open_live();
  if (live == NULL || tharvel_capture_feed_gsmtap(live, fill, sizeof fill, 0, 0) != 0) return 5;
  tharvel_capture_counters(live, &counters);
  tharvel_capture_close(live);
  if (counters.fill_blocks != 1) return 6;
  puts("ok");
  return 0;
}
