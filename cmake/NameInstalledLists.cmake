# Run at install time: the head of each list in ZANTOBY_SHIPPED_LISTS (paths below the install
# prefix) names the folder the build wrote it in; it names the installed file instead. The path
# is the head's first comment line that begins with "/".
foreach(list IN LISTS ZANTOBY_SHIPPED_LISTS)
    set(installed "${CMAKE_INSTALL_PREFIX}/${list}")
    set(file "$ENV{DESTDIR}${installed}")
    file(READ "${file}" text)
    string(FIND "${text}" "\n; /" start)
    if(start LESS 0)
        message(FATAL_ERROR "${file} names no path in its head")
    endif()
    math(EXPR start "${start} + 3")
    string(SUBSTRING "${text}" 0 ${start} head)
    string(SUBSTRING "${text}" ${start} -1 rest)
    string(FIND "${rest}" "\r\n" end)
    string(SUBSTRING "${rest}" ${end} -1 rest)
    file(WRITE "${file}" "${head}${installed}${rest}")
endforeach()
