# The demo's six images: number, SVG drawing, width, height, key colour
# (RRGGBB or none). All are run-length encoded with 3 bytes per pixel.
set(DEMORIA_IMAGES
  "1|title_logo.svg|300|53|FFFFFF"
  "2|architecture.svg|300|187|none"
  "3|bitmaps.svg|218|100|FFFFFF"
  "4|project_xray_control.svg|77|55|none"
  "5|project_emitter.svg|73|55|none"
  "6|project_display_wall.svg|91|55|none"
)
