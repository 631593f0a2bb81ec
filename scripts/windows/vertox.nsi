; The installer of ВЕРТОКС for Windows: for the current user, without administrator rights.
; The game keeps its results beside the program, so it goes where the player may write:
; %LOCALAPPDATA%\Programs\Vertox. Built by scripts/windows/package, which defines VERSION,
; STAGE (the game folder), LISTS (the lists of program files), ICON (the program's) and OUTFILE.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!include MUI2.nsh
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!include LogicLib.nsh
!include ${LISTS}

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Vertox"
; The exit code of a silent run refused because the game is running.
!define EXIT_GAME_RUNNING 3

Name "ВЕРТОКС"
Caption "ВЕРТОКС ${VERSION}: установка"
UninstallCaption "ВЕРТОКС: удаление"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Vertox"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=1049 "ProductName" "ВЕРТОКС"
VIAddVersionKey /LANG=1049 "FileDescription" "Установка игры ВЕРТОКС"
VIAddVersionKey /LANG=1049 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1049 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1049 "LegalCopyright" "См. LICENSE.txt"

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\vertox.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Запустить ВЕРТОКС"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Russian"

; A running game holds its folder's lock file open for itself alone, so it cannot be opened for
; writing; a lock left by a crashed game can.
!macro GameRunningCheck un
Function ${un}WaitForGameClosed
    ${Do}
        ${IfNot} ${FileExists} "$INSTDIR\vertoxwn.lck"
            Return
        ${EndIf}
        ClearErrors
        FileOpen $0 "$INSTDIR\vertoxwn.lck" a
        ${IfNot} ${Errors}
            FileClose $0
            Return
        ${EndIf}
        ${If} ${Silent}
            SetErrorLevel ${EXIT_GAME_RUNNING}
            Quit
        ${EndIf}
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
            "ВЕРТОКС сейчас запущен из папки$\r$\n$INSTDIR$\r$\nЗакройте игру и нажмите «Повтор»." \
            IDRETRY +2
        Quit
    ${Loop}
FunctionEnd
!macroend
!insertmacro GameRunningCheck ""
!insertmacro GameRunningCheck "un."

Function .onInit
    Call WaitForGameClosed
FunctionEnd

Section
    Call WaitForGameClosed
    SetOutPath "$INSTDIR"
    !insertmacro ProgramFiles
    ; A player's results survive an installation over an older version.
    SetOverwrite off
    File "${STAGE}\vertoxwn.clb"
    File "${STAGE}\vertoxwn.ray"
    File "${STAGE}\vertoxwn.rec"
    File "${STAGE}\vertoxwn.sav"
    SetOverwrite on

    CreateShortCut "$SMPROGRAMS\ВЕРТОКС.lnk" "$INSTDIR\vertox.exe"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "ВЕРТОКС"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\vertox.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Function un.onInit
    Call un.WaitForGameClosed
FunctionEnd

Section "Uninstall"
    Call un.WaitForGameClosed
    !insertmacro RemoveProgramFiles
    Delete "$INSTDIR\uninstall.exe"
    Delete "$INSTDIR\vertoxwn.lck"
    Delete "$INSTDIR\vertoxwn.cch"
    ; Keeping the results is the answer when nobody answers (/S) or the player just presses Enter.
    MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON1 \
        "Сохранить ваши результаты (клуб, рейтинг, рекорды, записанные соревнования и настройки)?$\r$\nОни останутся в папке$\r$\n$INSTDIR" \
        /SD IDYES IDYES keep
    Delete "$INSTDIR\vertoxwn.clb"
    Delete "$INSTDIR\vertoxwn.ray"
    Delete "$INSTDIR\vertoxwn.rec"
    Delete "$INSTDIR\vertoxwn.sav"
    Delete "$INSTDIR\vertoxwn.ini"
    Delete "$INSTDIR\vertoxwn.*.bad"
keep:
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\ВЕРТОКС.lnk"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
