# Renders the SVG pictures of data/ at build time with rsvg-convert and packs
# them with cmake/pack_pictures.py into one C++ source, so that no window
# renders SVG or decodes PNG while it starts. ImageMagick hands the packer
# each PNG's raw pixels. A Python packer serves both builds: the Windows
# build is a cross build, so no tool it builds could run here.
find_program(VPA_RSVG_CONVERT rsvg-convert REQUIRED)
find_program(VPA_IMAGEMAGICK_CONVERT NAMES convert-im6.q16 convert REQUIRED)
find_program(VPA_PYTHON3 python3 REQUIRED)

# vpa_render_picture(<out-var> <name> <width> <height>) renders
# data/<name>.svg at that size into pictures/<name>-<width>x<height>.png and
# .bgra under the current binary folder and appends the .bgra to <out-var>.
function(vpa_render_picture out_var name width height)
  set(source "${CMAKE_SOURCE_DIR}/data/${name}.svg")
  set(rendered "${CMAKE_CURRENT_BINARY_DIR}/pictures")
  set(png "${rendered}/${name}-${width}x${height}.png")
  set(raw "${rendered}/${name}-${width}x${height}.bgra")
  add_custom_command(OUTPUT "${png}" "${raw}"
    COMMAND ${CMAKE_COMMAND} -E make_directory "${rendered}"
    COMMAND "${VPA_RSVG_CONVERT}" -w ${width} -h ${height} -o "${png}"
            "${source}"
    COMMAND "${VPA_IMAGEMAGICK_CONVERT}" "${png}" -depth 8 "BGRA:${raw}"
    DEPENDS "${source}" VERBATIM)
  set(${out_var} ${${out_var}} "${raw}" PARENT_SCOPE)
endfunction()

# vpa_pack_pictures(<output.cpp> SCALES <percent>... ICONS <side>...) packs
# the diagram and the logo at the size of their places at each scale (in
# whole pixels) and the icon at each side.
function(vpa_pack_pictures output)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SCALES;ICONS")
  set(raws)
  foreach(picture IN ITEMS diagram:539x578 logo:256x164)
    string(REGEX MATCH "^([a-z]+):([0-9]+)x([0-9]+)$" _ "${picture}")
    foreach(scale IN LISTS arg_SCALES)
      math(EXPR width "(${CMAKE_MATCH_2} * ${scale} + 50) / 100")
      math(EXPR height "(${CMAKE_MATCH_3} * ${scale} + 50) / 100")
      vpa_render_picture(raws ${CMAKE_MATCH_1} ${width} ${height})
    endforeach()
  endforeach()
  foreach(side IN LISTS arg_ICONS)
    vpa_render_picture(raws icon ${side} ${side})
  endforeach()
  set(packer "${CMAKE_SOURCE_DIR}/cmake/pack_pictures.py")
  add_custom_command(OUTPUT "${output}"
    COMMAND "${VPA_PYTHON3}" "${packer}" "${output}" ${raws}
    DEPENDS "${packer}" ${raws} VERBATIM)
endfunction()
