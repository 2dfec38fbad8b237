#!/bin/sh
# Writes the game's key into the Wine prefix with Wine's own reg.exe, as an installer would: the
# 32-bit view (where the game's 32-bit installer writes) and a second key only in the 64-bit view.
set -e
key='HKLM\Software\Bullfrog Productions Ltd\Populous: The Beginning'
wine reg add "$key" /reg:32 /v InstallPath /t REG_SZ /d 'C:\Games\Pop TB\' /f
wine reg add "$key" /reg:32 /v Version /t REG_DWORD /d 42 /f
wine reg add "$key" /reg:32 /v Exp /t REG_EXPAND_SZ /d '%SystemRoot%\x' /f
wine reg add "$key" /reg:32 /v Bin /t REG_BINARY /d 0102ff /f
wine reg add 'HKLM\Software\Corvane Test\Only64' /reg:64 /v InstallPath /t REG_SZ /d 'D:\Only64' /f
