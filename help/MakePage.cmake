# Wraps a manual page's body (its first line the page's <title>) in what every page shares.
#   cmake -DIN=page.html.in -DOUT=page.html [-DLANGUAGE=de] -P MakePage.cmake
# A translated page says its language; an English one is written as it always was.
file(READ "${IN}" body)
string(REGEX MATCH "^<title>([^\n]*)</title>\n" title_line "${body}")
if(NOT title_line)
  message(FATAL_ERROR "${IN}: the first line must be the page's <title>")
endif()
string(LENGTH "${title_line}" skip)
string(SUBSTRING "${body}" ${skip} -1 body)
set(html_tag "<html>")
if(LANGUAGE AND NOT LANGUAGE STREQUAL "en")
  set(html_tag "<html lang=\"${LANGUAGE}\">")
endif()
file(WRITE "${OUT}.tmp" "<!DOCTYPE html>\n${html_tag}\n<head>\n<meta charset=\"utf-8\">\n"
     "${title_line}<link rel=\"stylesheet\" type=\"text/css\" href=\"style.css\">\n</head>\n"
     "<body>\n${body}</body>\n</html>\n")
file(COPY_FILE "${OUT}.tmp" "${OUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUT}.tmp")
