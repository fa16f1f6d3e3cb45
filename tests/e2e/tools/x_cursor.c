/* x_cursor: what the X server shows as the mouse cursor now, as one line:
 * "WxH XHOT,YHOT CHECKSUM" (the checksum over its ARGB pixels). The launcher
 * tests read the cursor Wine gives the X display through this, as nothing
 * inside Wine tells another process which cursor a window shows. */
#include <stdio.h>

#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>

int main(void) {
  Display* display = XOpenDisplay(NULL);
  if (!display) {
    fprintf(stderr, "x_cursor: cannot open the display\n");
    return 1;
  }
  int event_base = 0, error_base = 0;
  if (!XFixesQueryExtension(display, &event_base, &error_base)) {
    fprintf(stderr, "x_cursor: the display has no XFIXES extension\n");
    return 1;
  }
  XFixesCursorImage* cursor = XFixesGetCursorImage(display);
  if (!cursor) {
    fprintf(stderr, "x_cursor: no cursor image\n");
    return 1;
  }
  unsigned long sum = 0;
  for (unsigned long i = 0; i < (unsigned long)cursor->width * cursor->height; ++i)
    sum = (sum * 31 + (cursor->pixels[i] & 0xFFFFFFFFul)) & 0xFFFFFFFFul;
  printf("%ux%u %u,%u %08lx\n", cursor->width, cursor->height, cursor->xhot, cursor->yhot, sum);
  XFree(cursor);
  XCloseDisplay(display);
  return 0;
}
