<align=center><size=18><b>4.1. Форматы рисунков</b></size></align><p>
На страницах учебника стоят рисунки из файла рисунков: точечные рисунки BMP любой глубины
цвета, значки ICO, фотографии JPEG и векторные метафайлы WMF и EMF.<p>
<b>BMP:</b> 1 бит <macros=bitmap>mono.bmp</macros>, 4 бита <macros=picture>vga16.bmp</macros>,
8 бит <macros=picture>80;60;palette.bmp</macros>, 24 бита <macros=picture>truecolour.bmp</macros>,
32 бита <macros=picture>alpha.bmp</macros>; пурпурные точки пропускают фон страницы:
<background=fuchsia><macros=bitmap>fuchsia.bmp</macros></background><p>
<b>ICO:</b> с палитрой <macros=icon>palette.ico</macros> и с альфа-каналом
<macros=icon>alpha.ico</macros>. <b>JPEG:</b> обычная <macros=picture>80;60;baseline.jpg</macros>,
серая <macros=picture>80;60;gray.jpg</macros>, прогрессивная
<macros=picture>80;60;progressive.jpg</macros><p>
<b>Метафайлы:</b> WMF <macros=metafile>151;113;drawing.wmf</macros> и EMF
<macros=metafile>160;120;gdi.emf</macros> <macros=metafile>160;120;vector.emf</macros><p>
<align=left><hint=Вернуться к содержанию><a=1>« Содержание</a></align><p>
