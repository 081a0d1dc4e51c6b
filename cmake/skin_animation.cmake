# Renders an animated GIF (OUTPUT) from an SVG frame template (TEMPLATE).
# The template's root element names the frame count and the delay of each
# frame in hundredths of a second (data-frames="12" data-delay="6"); every
# "@ANGLE@" in it becomes the frame's angle, 0 to 360 degrees in equal steps,
# and every "@STEP@" the frame's number from 0. Frames should be opaque:
# a GIF pixel is either fully transparent or fully painted.
file(READ ${TEMPLATE} template)
string(REGEX MATCH "data-frames=\"([0-9]+)\"" found "${template}")
if(NOT found)
  message(FATAL_ERROR "${TEMPLATE}: no data-frames attribute")
endif()
set(frames ${CMAKE_MATCH_1})
set(delay 8)
if(template MATCHES "data-delay=\"([0-9]+)\"")
  set(delay ${CMAKE_MATCH_1})
endif()

file(REMOVE_RECURSE ${FRAMES_DIR})
file(MAKE_DIRECTORY ${FRAMES_DIR})
set(pngs)
math(EXPR last "${frames} - 1")
foreach(step RANGE ${last})
  math(EXPR angle "${step} * 360 / ${frames}")
  string(REPLACE "@ANGLE@" "${angle}" frame "${template}")
  string(REPLACE "@STEP@" "${step}" frame "${frame}")
  set(number 000${step})
  string(LENGTH ${number} length)
  math(EXPR start "${length} - 3")
  string(SUBSTRING ${number} ${start} 3 number)
  file(WRITE ${FRAMES_DIR}/frame${number}.svg "${frame}")
  execute_process(COMMAND ${RSVG_CONVERT} --format=png -o ${FRAMES_DIR}/frame${number}.png
                          ${FRAMES_DIR}/frame${number}.svg
                  RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${TEMPLATE}: frame ${step} does not render")
  endif()
  list(APPEND pngs ${FRAMES_DIR}/frame${number}.png)
endforeach()

get_filename_component(output_dir ${OUTPUT} DIRECTORY)
file(MAKE_DIRECTORY ${output_dir})
execute_process(COMMAND ${GRAPHICSMAGICK} convert -delay ${delay} -loop 0 ${pngs} ${OUTPUT}
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${TEMPLATE}: the frames do not make a GIF")
endif()
