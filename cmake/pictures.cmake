# Renders the SVG pictures of data/ to PNG at build time with rsvg-convert,
# so that no window has to render SVG while it starts.
find_program(VPA_RSVG_CONVERT rsvg-convert REQUIRED)

# vpa_render_picture(<out-var> <name> <suffix> <rsvg-convert options>...)
# renders data/<name>.svg into pictures/<name><suffix>.png under the current
# binary folder and appends that file to <out-var>.
function(vpa_render_picture out_var name suffix)
  set(source "${CMAKE_SOURCE_DIR}/data/${name}.svg")
  set(output "${CMAKE_CURRENT_BINARY_DIR}/pictures/${name}${suffix}.png")
  add_custom_command(OUTPUT "${output}"
    COMMAND ${CMAKE_COMMAND} -E make_directory
            "${CMAKE_CURRENT_BINARY_DIR}/pictures"
    COMMAND "${VPA_RSVG_CONVERT}" ${ARGN} --output "${output}" "${source}"
    DEPENDS "${source}" VERBATIM)
  set(${out_var} ${${out_var}} "${output}" PARENT_SCOPE)
endfunction()
