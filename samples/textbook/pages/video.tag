<align=center><size=18><b>4.6. Видео</b></size></align><p>
Клип начинается, когда страница открыта. Ctrl+Пробел ставит его на паузу и продолжает,
Ctrl+PgUp и Ctrl+PgDn перематывают.<p>
<align=center><macros=media_file>160;120;ball.avi</macros></align><p>
<align=left><hint=Вернуться к содержанию><a=1>« Содержание</a></align><p>
