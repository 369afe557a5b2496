# Installing the programs on a Linux desktop (`make install`, PREFIX and DESTDIR):
# the programs in bin, the layer's library in a private folder they find
# through their run path, and for each program a menu entry, an icon in the
# hicolor theme and, if it lives in the tray, an entry that starts it at login.
include(GNUInstallDirs)

set(QUELDA_PRIVATE_LIBDIR "${CMAKE_INSTALL_LIBDIR}/quelda-sonvair")
set(CMAKE_INSTALL_RPATH "$ORIGIN/../${QUELDA_PRIVATE_LIBDIR}")

# udev reads its rules and the session its autostart entries from fixed
# places, not from /usr/local: an install there puts them where the
# administrator's own go. Another prefix keeps them inside, to be linked.
set(QUELDA_UDEV_RULES_DIR "" CACHE PATH "Where the udev rule goes (empty: chosen from the prefix)")
set(QUELDA_AUTOSTART_DIR "" CACHE PATH "Where the login autostart entries go (empty: chosen from the prefix)")
if(CMAKE_INSTALL_PREFIX MATCHES "^/usr/?$")
    set(quelda_udev_default "/usr/lib/udev/rules.d")
    set(quelda_autostart_default "/etc/xdg/autostart")
elseif(CMAKE_INSTALL_PREFIX MATCHES "^/usr/local/?$")
    set(quelda_udev_default "/etc/udev/rules.d")
    set(quelda_autostart_default "/etc/xdg/autostart")
else()
    set(quelda_udev_default "${CMAKE_INSTALL_PREFIX}/lib/udev/rules.d")
    set(quelda_autostart_default "${CMAKE_INSTALL_PREFIX}/etc/xdg/autostart")
endif()
if(NOT QUELDA_UDEV_RULES_DIR)
    set(QUELDA_UDEV_RULES_DIR ${quelda_udev_default})
endif()
if(NOT QUELDA_AUTOSTART_DIR)
    set(QUELDA_AUTOSTART_DIR ${quelda_autostart_default})
endif()

# quelda_install_program(TARGET name ICON file.png ICON_SIZE 64
#                        DESKTOP_ENTRY entry.desktop.in [AUTOSTART_ENTRY autostart.desktop.in])
# The entries are configured with @QUELDA_PROGRAM@ (the program's full path).
function(quelda_install_program)
    cmake_parse_arguments(P "" "TARGET;ICON;ICON_SIZE;DESKTOP_ENTRY;AUTOSTART_ENTRY" "" ${ARGN})
    install(TARGETS ${P_TARGET} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    set(QUELDA_PROGRAM "${CMAKE_INSTALL_FULL_BINDIR}/${P_TARGET}")
    set(entries ${CMAKE_BINARY_DIR}/desktop-entries)
    configure_file(${P_DESKTOP_ENTRY} ${entries}/applications/${P_TARGET}.desktop @ONLY)
    install(FILES ${entries}/applications/${P_TARGET}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${P_ICON}
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${P_ICON_SIZE}x${P_ICON_SIZE}/apps
            RENAME ${P_TARGET}.png)
    if(P_AUTOSTART_ENTRY)
        configure_file(${P_AUTOSTART_ENTRY} ${entries}/autostart/${P_TARGET}.desktop @ONLY)
        install(FILES ${entries}/autostart/${P_TARGET}.desktop DESTINATION ${QUELDA_AUTOSTART_DIR})
    endif()
endfunction()
