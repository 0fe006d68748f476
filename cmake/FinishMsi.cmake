# Writes into the MSI that wixl built what wixl cannot store: the database code page 1251 and the
# shortcut's Bulgarian description, the estimated size for Add/Remove Programs, and the program's
# file version and language in the File table, so that a repair or an upgrade compares versions.
# usage: cmake -DMSI=… -DEXE=… -DDESCRIPTION=… -DVERSION=… -DWORK=… -P FinishMsi.cmake
file(SIZE ${EXE} bytes)
math(EXPR kilobytes "(${bytes} + 1023) / 1024")
file(WRITE ${WORK}/_ForceCodepage.idt "\r\n\r\n1251\t_ForceCodepage\r\n")

function(msibuild)
    execute_process(COMMAND msibuild ${MSI} ${ARGN} RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "msibuild ${ARGN} failed")
    endif()
endfunction()

msibuild(-i ${WORK}/_ForceCodepage.idt)
msibuild(-q "UPDATE `Shortcut` SET `Description` = '${DESCRIPTION}' WHERE `Shortcut` = 'MorvatekShortcut'")
msibuild(-q "INSERT INTO `Property` (`Property`, `Value`) VALUES ('ARPSIZE', '${kilobytes}')")
# 1026: Bulgarian, the language of the version record.
msibuild(-q "UPDATE `File` SET `Version` = '${VERSION}', `Language` = '1026' WHERE `File` = 'MorvatekExe'")
