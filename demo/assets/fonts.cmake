# The demo's ten fonts, in registration order (the id is the position).
# Each line: id, face file, glyph height, character range, encoding, run
# table (rle) or "-" (plain), then any further vr_fontconv options.
#
# 127 and 160 are blank where a font covers them; font 1 has no space either. Font 3
# draws the page texts, so it covers Windows-1252 up to 0xFC (ä ö ü ß) and
# carries the bullet at 0x1C. Fonts 6 to 9 show "Dieser" side by side in four
# different typefaces. Font 4 (the version box, 34 pixels wide) and font 6
# (a monospace "Dieser" in a box 120 wide) are rendered smaller than their
# height allows, and font 10 is a narrow bold, so that their texts fit.
set(DEMORIA_FONTS
  "1|DejaVuSans.ttf|29|0x1F-0xFF|rle|2,5,11|--zero=0x20,0x7F,0xA0"
  "2|DejaVuSans.ttf|22|0x20-0xFF|rle|2,4,10|--zero=0x7F,0xA0"
  "3|DejaVuSansCondensed.ttf|16|0x1A-0xFC|plain|-|--zero=0x7F,0xA0|--map=0x1C=U+2022"
  "4|NimbusSansNarrow-Bold.otf|10|0x20-0x7E|plain|-|--size=8"
  "5|DejaVuSans.ttf|19|0x20-0x7E|rle|2,4,9"
  "6|DejaVuSansMono.ttf|34|0x20-0x7E|rle|2,5,13|--size=31"
  "7|LiberationSans-Regular.ttf|37|0x20-0x7E|rle|2,5,14"
  "8|LiberationSerif-Regular.ttf|38|0x20-0x7E|rle|3,7,15"
  "9|Z003-MediumItalic.otf|38|0x20-0x7E|rle|2,6,15"
  "10|NimbusSansNarrow-Bold.otf|25|0x20-0x7E|rle|2,5,13"
)
