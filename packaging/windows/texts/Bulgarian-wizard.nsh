; SPDX-License-Identifier: GPL-3.0-or-later
; The texts of the page that chooses between all users and one user, which NSIS's Bulgarian file
; lacks. Defined before NSIS's file is read, they take the place of its English fallbacks.
!define MULTIUSER_TEXT_INSTALLMODE_TITLE "Избор на потребители"
!define MULTIUSER_TEXT_INSTALLMODE_SUBTITLE "Изберете за кои потребители да бъде инсталиран $(^NameDA)."
!define MULTIUSER_INNERTEXT_INSTALLMODE_TOP "Изберете дали да инсталирате $(^NameDA) само за себе си, или за всички потребители на този компютър. $(^ClickNext)"
!define MULTIUSER_INNERTEXT_INSTALLMODE_ALLUSERS "Инсталиране за всички потребители на този компютър"
!define MULTIUSER_INNERTEXT_INSTALLMODE_CURRENTUSER "Инсталиране само за мен"
