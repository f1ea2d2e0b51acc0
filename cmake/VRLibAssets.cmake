# Fonts and images converted at build time into C sources of a target, the
# way the demo's own assets are made. Each function writes <name>.c and
# <name>.h into <build folder>/vrlib_assets (or OUTPUT_DIRECTORY), adds the
# .c to the target and the folder to its include path, so the program says
# #include "<name>.h". The project must enable C (project(<name> C CXX)).
# A change to the source file or to a converter shows in the next build.
#
#   vrlib_add_font(<target> <name> FACE <font file> HEIGHT <rows>
#                  [RANGE <first>-<last>]     characters, default 0x20-0x7E
#                  [CODE_PAGE 1252|latin1]    default 1252 (Windows-1252)
#                  [ENCODING rle|plain]       default rle
#                  [RUNS <a>,<b>,<c>]         run lengths; default the smallest font
#                  [OPTIONS <vr_fontconv options>...]  e.g. --size=20 --zero=0x7F
#                  [DEPENDS <files>...] [OUTPUT_DIRECTORY <dir>])
#
#   vrlib_add_image(<target> <name> PNG <file>
#                   [ENCODING rle|raw]        default rle
#                   [BPP 3|4]                 3 RGB (default), 4 RGBA blended when drawn
#                   [KEY <RRGGBB>|none]       colour not drawn, default none
#                   [OPTIONS <vr_imgconv options>...]   e.g. --background=000000
#                   [DEPENDS <files>...] [OUTPUT_DIRECTORY <dir>])
#
# The converters are the imported executables VRLib::vr_fontconv and
# VRLib::vr_imgconv (inside the Vantrel tree, aliases of its own tools).
include_guard(GLOBAL)

function(_vrlib_asset_output target name dir out)
  if(NOT TARGET ${target})
    message(FATAL_ERROR "vrlib_add_font/vrlib_add_image: '${target}' is not a target")
  endif()
  get_property(languages GLOBAL PROPERTY ENABLED_LANGUAGES)
  list(FIND languages C c_enabled)
  if(c_enabled EQUAL -1)
    message(FATAL_ERROR "vrlib_add_font/vrlib_add_image: the converted assets are C sources; "
                        "enable C in the project, e.g. project(<name> C CXX)")
  endif()
  if(NOT name MATCHES "^[A-Za-z_][A-Za-z0-9_]*$")
    message(FATAL_ERROR "vrlib_add_font/vrlib_add_image: '${name}' is not a C identifier")
  endif()
  if(NOT dir)
    set(dir ${CMAKE_CURRENT_BINARY_DIR}/vrlib_assets)
  endif()
  file(MAKE_DIRECTORY ${dir})
  target_sources(${target} PRIVATE ${dir}/${name}.c)
  target_include_directories(${target} PUBLIC $<BUILD_INTERFACE:${dir}>)
  set(${out} ${dir}/${name} PARENT_SCOPE)
endfunction()

function(vrlib_add_font target name)
  cmake_parse_arguments(PARSE_ARGV 2 F "" "FACE;HEIGHT;RANGE;CODE_PAGE;ENCODING;RUNS;OUTPUT_DIRECTORY" "OPTIONS;DEPENDS")
  if(NOT F_FACE OR NOT F_HEIGHT)
    message(FATAL_ERROR "vrlib_add_font(${target} ${name}): FACE and HEIGHT are required")
  endif()
  if(F_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "vrlib_add_font(${target} ${name}): unknown arguments ${F_UNPARSED_ARGUMENTS}")
  endif()
  get_filename_component(face ${F_FACE} ABSOLUTE)
  set(args --height ${F_HEIGHT})
  if(F_RANGE)
    list(APPEND args --range ${F_RANGE})
  endif()
  if(F_CODE_PAGE)
    list(APPEND args --codepage ${F_CODE_PAGE})
  endif()
  if(F_ENCODING)
    list(APPEND args --encoding ${F_ENCODING})
  endif()
  if(F_RUNS)
    list(APPEND args --runs ${F_RUNS})
  endif()
  _vrlib_asset_output(${target} ${name} "${F_OUTPUT_DIRECTORY}" out)
  add_custom_command(
    OUTPUT ${out}.c ${out}.h
    COMMAND VRLib::vr_fontconv ${face} -o ${out}.c --name ${name} ${args} ${F_OPTIONS}
    DEPENDS VRLib::vr_fontconv ${face} ${F_DEPENDS}
    COMMENT "Font ${name}: ${F_FACE}, ${F_HEIGHT} rows"
    VERBATIM)
endfunction()

function(vrlib_add_image target name)
  cmake_parse_arguments(PARSE_ARGV 2 I "" "PNG;ENCODING;BPP;KEY;OUTPUT_DIRECTORY" "OPTIONS;DEPENDS")
  if(NOT I_PNG)
    message(FATAL_ERROR "vrlib_add_image(${target} ${name}): PNG is required")
  endif()
  if(I_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "vrlib_add_image(${target} ${name}): unknown arguments ${I_UNPARSED_ARGUMENTS}")
  endif()
  get_filename_component(png ${I_PNG} ABSOLUTE)
  set(args)
  if(I_ENCODING)
    list(APPEND args --encoding ${I_ENCODING})
  endif()
  if(I_BPP)
    list(APPEND args --bpp ${I_BPP})
  endif()
  if(I_KEY)
    list(APPEND args --key ${I_KEY})
  endif()
  _vrlib_asset_output(${target} ${name} "${I_OUTPUT_DIRECTORY}" out)
  add_custom_command(
    OUTPUT ${out}.c ${out}.h
    COMMAND VRLib::vr_imgconv ${png} -o ${out}.c --name ${name} ${args} ${I_OPTIONS}
    DEPENDS VRLib::vr_imgconv ${png} ${I_DEPENDS}
    COMMENT "Image ${name}: ${I_PNG}"
    VERBATIM)
endfunction()
