# The releases of CHANGELOG.md, read at configure time for the AppStream data and the Debian
# changelog. A release is a heading "## VERSION (YYYY-MM-DD)"; its first paragraph and the
# titles of its sections ("### ...") describe it. "## Unreleased" is not a release.

# Text as it stands in XML: the markdown code marks dropped, the reserved characters escaped.
function(gk_xml_text out text)
    string(REPLACE "`" "" text "${text}")
    string(REPLACE "&" "&amp;" text "${text}")
    string(REPLACE "<" "&lt;" text "${text}")
    string(REPLACE ">" "&gt;" text "${text}")
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

# Sets GK_RELEASES_APPSTREAM (the <release> elements, newest first) and GK_RELEASES_DEBIAN (a
# Debian changelog, with `maintainer` as each entry's author).
function(gk_read_releases changelog maintainer)
    file(STRINGS "${changelog}" lines ENCODING UTF-8)
    set(appstream "")
    set(debian "")
    set(version "")
    # A line that would end the list: a sentinel release heading closes the last release.
    list(APPEND lines "## END (0000-00-00)")
    foreach(line IN LISTS lines)
        if(line MATCHES "^## ")
            if(version)
                gk_xml_text(intro_xml "${intro}")
                string(APPEND appstream
                    "    <release version=\"${version}\" date=\"${date}\">\n"
                    "      <description>\n")
                if(intro)
                    string(APPEND appstream "        <p>${intro_xml}</p>\n")
                endif()
                if(sections)
                    string(APPEND appstream "        <ul>\n")
                    foreach(section IN LISTS sections)
                        gk_xml_text(section_xml "${section}")
                        string(APPEND appstream "          <li>${section_xml}</li>\n")
                    endforeach()
                    string(APPEND appstream "        </ul>\n")
                endif()
                string(APPEND appstream "      </description>\n    </release>\n")

                execute_process(COMMAND date -u -R -d "${date}"
                                OUTPUT_VARIABLE stamp OUTPUT_STRIP_TRAILING_WHITESPACE
                                COMMAND_ERROR_IS_FATAL ANY)
                string(APPEND debian "grovekeep (${version}) unstable; urgency=medium\n\n")
                string(REPLACE "`" "" intro "${intro}")
                if(intro)
                    string(APPEND debian "  * ${intro}\n")
                endif()
                foreach(section IN LISTS sections)
                    string(REPLACE "`" "" section "${section}")
                    string(APPEND debian "  * ${section}.\n")
                endforeach()
                string(APPEND debian "\n -- ${maintainer}  ${stamp}\n\n")
            endif()
            set(version "")
            set(intro "")
            set(sections "")
            set(in_intro FALSE)
            if(line MATCHES "^## ([0-9][0-9.]*) \\(([0-9]+-[0-9]+-[0-9]+)\\)")
                set(version "${CMAKE_MATCH_1}")
                set(date "${CMAKE_MATCH_2}")
                set(in_intro TRUE)
            endif()
        elseif(version AND line MATCHES "^### (.*)")
            list(APPEND sections "${CMAKE_MATCH_1}")
            set(in_intro FALSE)
        elseif(version AND in_intro AND NOT line STREQUAL "")
            string(STRIP "${intro} ${line}" intro)
        elseif(version AND in_intro AND intro)
            set(in_intro FALSE) # the first paragraph ended
        endif()
    endforeach()
    set(GK_RELEASES_APPSTREAM "${appstream}" PARENT_SCOPE)
    set(GK_RELEASES_DEBIAN "${debian}" PARENT_SCOPE)
endfunction()
