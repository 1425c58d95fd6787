<align=center><size=18><b>4.7. Звук</b></size></align><p>
На этой странице звучит тон ля первой октавы (440 Гц). Звуковой клип занимает на странице
маленькую рамку.<p>
<align=center><macros=media_file>32;32;tone.wav</macros></align><p>
<align=left><hint=Вернуться к содержанию><a=1>« Содержание</a></align><p>
