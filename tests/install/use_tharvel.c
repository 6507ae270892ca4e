/* Built against an installed copy through pkg-config. */
#include <stdio.h>
#include <string.h>
#include <tharvel.h>

int main(void) {
  const uint8_t msg[] = {0x05, 0x18, 0x01};
  char doc[4096] = "";
  size_t needed = 0;
  int r = tharvel_n(0, (int32_t)sizeof msg, msg, doc, sizeof doc, &needed);
  if (r != 1 || strncmp(doc, "<L3Message>\n<dir>DOWNLINK</dir>\n", 32) != 0 || needed != strlen(doc)) return 1;
  puts("ok");
  return 0;
}
