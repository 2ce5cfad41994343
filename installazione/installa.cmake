# cmake --install build --prefix CARTELLA
#   CARTELLA/lib/termovela   programma, tvl, catalogo, modelli dei documenti e dei progetti nuovi,
#                            immagini, sfondo: è la cartella di avvio del programma
#   CARTELLA/bin/termovela   avvio (entra nella cartella qui sopra), CARTELLA/bin/tvl
#   CARTELLA/share           voce del menu delle applicazioni, tipo MIME dei file .tvl, icona
include(GNUInstallDirs)
set(TVL_DIR_INSTALLATA lib/termovela)

install(TARGETS termovela tvl RUNTIME DESTINATION ${TVL_DIR_INSTALLATA})
install(FILES
    ${TVL_RUNTIME_DIR}/tvlita.db
    ${TVL_RUNTIME_DIR}/tvlbg
    ${TVL_RUNTIME_DIR}/nuovosr.nv
    ${TVL_RUNTIME_DIR}/nuovopf.nv
    ${TVL_RUNTIME_DIR}/nuovov221v.nv
    ${TVL_RUNTIME_DIR}/nuovov225.nv
    ${TVL_RUNTIME_DIR}/manuale.pdf
    DESTINATION ${TVL_DIR_INSTALLATA})
install(DIRECTORY ${TVL_RUNTIME_DIR}/Template ${TVL_RUNTIME_DIR}/Immagini DESTINATION ${TVL_DIR_INSTALLATA})
install(PROGRAMS ${CMAKE_SOURCE_DIR}/installazione/desktop/termovela.sh DESTINATION bin RENAME termovela)
install(FILES ${CMAKE_SOURCE_DIR}/installazione/desktop/termovela.xml DESTINATION share/mime/packages)
install(FILES ${CMAKE_SOURCE_DIR}/app/immagini/avvio.png DESTINATION share/pixmaps
        RENAME termovela.png)
# La voce del desktop nomina il programma con il percorso scelto al momento dell'installazione;
# poi tvl come collegamento e, se ci sono gli strumenti, gli indici di MIME e applicazioni.
install(CODE [[
    set(prefisso "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
    file(MAKE_DIRECTORY "${prefisso}/share/applications")
    file(WRITE "${prefisso}/share/applications/termovela.desktop"
"[Desktop Entry]
Type=Application
Name=TERMOVELA
GenericName=Progettazione di impianti radianti a pavimento
Comment=Progetta impianti di riscaldamento a pavimento radiante
Exec=${CMAKE_INSTALL_PREFIX}/bin/termovela %f
Icon=termovela
Terminal=false
MimeType=application/x-termovela;
Categories=Office;Engineering;Qt;
")
    file(CREATE_LINK ../lib/termovela/tvl "${prefisso}/bin/tvl" SYMBOLIC)
    find_program(TVL_UPDATE_MIME update-mime-database)
    if(TVL_UPDATE_MIME AND NOT DEFINED ENV{DESTDIR})
        execute_process(COMMAND ${TVL_UPDATE_MIME} "${prefisso}/share/mime")
    endif()
    find_program(TVL_UPDATE_DESKTOP update-desktop-database)
    if(TVL_UPDATE_DESKTOP AND NOT DEFINED ENV{DESTDIR})
        execute_process(COMMAND ${TVL_UPDATE_DESKTOP} "${prefisso}/share/applications")
    endif()
]])
