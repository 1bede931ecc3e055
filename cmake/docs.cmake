# The documents made at build time from docs/: the user guide as one web page
# (guia-do-usuario.html, with pandoc), on every system, and on Linux the
# manual page mirval(1) (man/mirval.1 and its gzip'd copy for the package).
set(docs ${CMAKE_SOURCE_DIR}/docs)

find_program(MIRVAL_PANDOC pandoc)
if(MIRVAL_PANDOC)
  set(MIRVAL_GUIDE_PAGE ${CMAKE_BINARY_DIR}/guia-do-usuario.html)
  # The first heading is the page's title; the template holds the styles.
  add_custom_command(
    OUTPUT ${MIRVAL_GUIDE_PAGE}
    COMMAND ${MIRVAL_PANDOC} --from=markdown+ascii_identifiers --to=html5 --standalone
            --template=${docs}/guide-template.html --metadata=lang:pt-BR --shift-heading-level-by=-1
            --toc --toc-depth=2 --output=${MIRVAL_GUIDE_PAGE} ${docs}/guia-do-usuario.md
    DEPENDS ${docs}/guia-do-usuario.md ${docs}/guide-template.html
    COMMENT "The user guide as a page"
    VERBATIM)
  add_custom_target(user_guide_page ALL DEPENDS ${MIRVAL_GUIDE_PAGE})
else()
  message(WARNING "pandoc not found: no guia-do-usuario.html (apt-get install pandoc)")
endif()

if(WIN32)
  return()
endif()

# The page's source is UTF-8; preconv turns its letters into groff escapes, so
# that groff reads it in any locale and without preconv of its own.
find_program(MIRVAL_PRECONV preconv)
if(MIRVAL_PRECONV)
  set(man ${CMAKE_BINARY_DIR}/man)
  set(MIRVAL_MANUAL_PAGE ${man}/mirval.1)
  configure_file(${docs}/mirval.1 ${man}/mirval.1.utf8 @ONLY)
  add_custom_command(
    OUTPUT ${MIRVAL_MANUAL_PAGE} ${MIRVAL_MANUAL_PAGE}.gz
    COMMAND sh -c "\"$0\" -e UTF-8 <\"$1\" | sed '1{/^[.]lf /d}' >\"$2\" && gzip -9 -n -c \"$2\" >\"$2.gz\""
            ${MIRVAL_PRECONV} ${man}/mirval.1.utf8 ${MIRVAL_MANUAL_PAGE}
    DEPENDS ${man}/mirval.1.utf8
    COMMENT "The manual page"
    VERBATIM)
  add_custom_target(manual_page ALL DEPENDS ${MIRVAL_MANUAL_PAGE})
else()
  message(WARNING "preconv not found: no manual page (apt-get install groff-base)")
endif()
