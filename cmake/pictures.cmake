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
# each picture of src/form/picture_places.h at the size of its place at each
# scale (in whole pixels; 15 twips are a pixel at 100 %) and the icon at each
# side.
function(vpa_pack_pictures output)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SCALES;ICONS")
  set(places "${CMAKE_SOURCE_DIR}/src/form/picture_places.h")
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${places}")
  set(place_pattern
      "k([A-Z][a-z]+)Place = {[0-9]+, [0-9]+, ([0-9]+), ([0-9]+)}")
  file(STRINGS "${places}" lines REGEX "${place_pattern}")
  if(NOT lines)
    message(FATAL_ERROR "no picture place in ${places}")
  endif()
  set(raws)
  foreach(line IN LISTS lines)
    string(REGEX MATCH "${place_pattern}" _ "${line}")
    string(TOLOWER "${CMAKE_MATCH_1}" name)
    set(twips_wide ${CMAKE_MATCH_2})
    set(twips_high ${CMAKE_MATCH_3})
    foreach(scale IN LISTS arg_SCALES)
      math(EXPR width "(${twips_wide} / 15 * ${scale} + 50) / 100")
      math(EXPR height "(${twips_high} / 15 * ${scale} + 50) / 100")
      vpa_render_picture(raws ${name} ${width} ${height})
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
