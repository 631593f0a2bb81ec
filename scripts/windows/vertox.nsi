; The installer of ВЕРТОКС for Windows: for the current user, without administrator rights.
; The game keeps its results beside the program, so it goes where the player may write:
; %LOCALAPPDATA%\Programs\Vertox. Built by scripts/windows/package, which defines VERSION,
; STAGE (the game folder), LISTS (the lists of program files and of the files the game keeps),
; ICON (the program's) and OUTFILE; PUBLISHER and SIGN (the signing command) when it signs.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
; Drawn sharp at any display scale, rather than stretched by Windows.
ManifestDPIAware true
!ifdef SIGN
; The uninstaller is signed before it is packed into the installer, the installer once written.
!uninstfinalize '"${SIGN}" "%1"' = 0
!finalize '"${SIGN}" "%1"' = 0
!endif
!ifndef PUBLISHER
!define PUBLISHER "Проект ВЕРТОКС"
!endif

!include MUI2.nsh
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!include FileFunc.nsh
!include LogicLib.nsh
!include ${LISTS}

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Vertox"
; The exit code of a silent run refused because the game is running.
!define EXIT_GAME_RUNNING 3
; Set by the uninstaller's /REMOVERESULTS: the results go too, without a question.
Var RemoveResults

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
        ${IfNot} ${FileExists} "$INSTDIR\${LOCK_FILE}"
            Return
        ${EndIf}
        ClearErrors
        FileOpen $0 "$INSTDIR\${LOCK_FILE}" a
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
    !insertmacro DataFiles
    SetOverwrite on

    CreateShortCut "$SMPROGRAMS\ВЕРТОКС.lnk" "$INSTDIR\vertox.exe"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "ВЕРТОКС"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\vertox.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    ; In kilobytes, the folder as installed.
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Function un.onInit
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/REMOVERESULTS" $1
    ${IfNot} ${Errors}
        StrCpy $RemoveResults 1
    ${EndIf}
    Call un.WaitForGameClosed
FunctionEnd

Section "Uninstall"
    Call un.WaitForGameClosed
    !insertmacro RemoveProgramFiles
    Delete "$INSTDIR\uninstall.exe"
    !insertmacro RemoveWorkFiles
    ; Keeping the results is the answer when nobody answers (/S) or the player just presses Enter.
    ${If} $RemoveResults != 1
        MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON1 \
            "Сохранить ваши результаты (клуб, рейтинг, рекорды, записанные соревнования, оценки тренера и настройки)?$\r$\nОни останутся в папке$\r$\n$INSTDIR" \
            /SD IDYES IDYES keep
    ${EndIf}
    !insertmacro RemoveResults
keep:
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\ВЕРТОКС.lnk"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
