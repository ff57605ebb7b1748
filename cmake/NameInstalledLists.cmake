# Run at install time: the head of each list in ZANTOBY_SHIPPED_LISTS (paths below the install
# prefix) names the folder the build wrote it in; it names the installed file instead. The path
# is the head's first comment line that begins with "/". sed changes that line alone and keeps
# the bytes of the rest, Shift_JIS text with CR LF line ends, which CMake's file reading would not.
find_program(SED sed REQUIRED)
foreach(list IN LISTS ZANTOBY_SHIPPED_LISTS)
    set(installed "${CMAKE_INSTALL_PREFIX}/${list}")
    set(file "$ENV{DESTDIR}${installed}")
    set(replacement "${installed}")
    foreach(special "\\" "&" "|")
        string(REPLACE "${special}" "\\${special}" replacement "${replacement}")
    endforeach()
    execute_process(COMMAND ${SED} -i "0,/^; \\//s|^; /[^\\r]*|; ${replacement}|" "${file}"
                    RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "the head of ${file} could not be written")
    endif()
endforeach()
