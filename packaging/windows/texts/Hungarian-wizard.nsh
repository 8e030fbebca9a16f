; SPDX-License-Identifier: GPL-3.0-or-later
; The texts of the page that chooses between all users and one user, which NSIS's Hungarian file
; lacks. Defined before NSIS's file is read, they take the place of its English fallbacks.
!define MULTIUSER_TEXT_INSTALLMODE_TITLE "Felhasználók kiválasztása"
!define MULTIUSER_TEXT_INSTALLMODE_SUBTITLE "Válassza ki, mely felhasználók számára telepíti a Brookfetch programot."
!define MULTIUSER_INNERTEXT_INSTALLMODE_TOP "Válassza ki, hogy a Brookfetch programot csak saját magának vagy a számítógép minden felhasználója számára telepíti. $(^ClickNext)"
!define MULTIUSER_INNERTEXT_INSTALLMODE_ALLUSERS "Telepítés a számítógép minden felhasználója számára"
!define MULTIUSER_INNERTEXT_INSTALLMODE_CURRENTUSER "Telepítés csak a saját részemre"
