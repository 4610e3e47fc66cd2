# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
# Renders the programs' icons from their SVG drawings into PNG files at the
# sizes of the hicolor icon theme, and compiles them into a program.
#
# Each icon <id> has a drawing <id>.svg for every size. A size N may have a
# drawing of its own, <id>-N.svg, laid out on whole pixels so that its edges
# stay sharp where the large drawing would blur; the 22 px icon is the 24 px
# drawing without its empty outer pixel.
include_guard(GLOBAL)

find_program(HOVORIX_RSVG_CONVERT rsvg-convert)
if(NOT HOVORIX_RSVG_CONVERT)
  message(FATAL_ERROR
    "rsvg-convert was not found. It renders the programs' icons; install the Debian package "
    "librsvg2-bin (scripts/deps does), or configure with -DHOVORIX_GUI=OFF.")
endif()

# hovorix_render_icon(<id> <theme dir> <variable>)
# Adds the commands that render <id> to <theme dir>/<N>x<N>/apps/<id>.png and
# sets <variable> to the list of those files.
function(hovorix_render_icon id theme_dir variable)
  set(drawings ${CMAKE_CURRENT_FUNCTION_LIST_DIR})
  if(NOT EXISTS ${drawings}/${id}.svg)
    message(FATAL_ERROR "No icon drawing ${drawings}/${id}.svg")
  endif()
  # A drawing added or taken away for a size takes effect at the next build.
  file(GLOB own_sizes CONFIGURE_DEPENDS ${drawings}/${id}-*.svg)
  set(pngs)
  foreach(size 16 22 24 32 48 64 128 256)
    set(png ${theme_dir}/${size}x${size}/apps/${id}.png)
    if(size EQUAL 22 AND ${drawings}/${id}-24.svg IN_LIST own_sizes)
      set(svg ${drawings}/${id}-24.svg)
      set(geometry -w 24 -h 24 --page-width=22 --page-height=22 --left=-1 --top=-1)
    else()
      set(svg ${drawings}/${id}.svg)
      if(${drawings}/${id}-${size}.svg IN_LIST own_sizes)
        set(svg ${drawings}/${id}-${size}.svg)
      endif()
      set(geometry -w ${size} -h ${size})
    endif()
    add_custom_command(OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${theme_dir}/${size}x${size}/apps
      COMMAND ${HOVORIX_RSVG_CONVERT} ${geometry} -o ${png} ${svg}
      DEPENDS ${svg}
      COMMENT "Rendering icon ${id} at ${size} px"
      VERBATIM)
    list(APPEND pngs ${png})
  endforeach()
  set(${variable} ${pngs} PARENT_SCOPE)
endfunction()

# hovorix_program_icon(<target> <id>)
# Compiles every size of icon <id> into <target> as the Qt resources
# ":/icons/<N>x<N>/apps/<id>.png", where desktop::programIcon() finds them.
function(hovorix_program_icon target id)
  set(theme_dir ${CMAKE_CURRENT_BINARY_DIR}/program-icon)
  hovorix_render_icon(${id} ${theme_dir} pngs)
  qt_add_resources(${target} "${id}" PREFIX /icons BASE ${theme_dir} FILES ${pngs})
endfunction()
