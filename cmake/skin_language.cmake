# Writes OUTPUT, a language file: one root element holding the MultiLanguage
# elements of every file in FRAGMENTS (a list, in order). A fragment's own
# XML declaration is dropped.
set(text "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<Language>\n")
foreach(fragment ${FRAGMENTS})
  file(READ ${fragment} content)
  string(REGEX REPLACE "^\xEF\xBB\xBF" "" content "${content}")
  string(REGEX REPLACE "<\\?xml[^>]*\\?>[\r\n]*" "" content "${content}")
  get_filename_component(name ${fragment} NAME)
  string(APPEND text "<!-- ${name} -->\n${content}")
  if(NOT content MATCHES "\n$")
    string(APPEND text "\n")
  endif()
endforeach()
string(APPEND text "</Language>\n")
file(WRITE ${OUTPUT} "${text}")
