Рисунок своего размера <macros=bitmap>prism.jpg</macros> и тот же рисунок
в рамке 48 на 24 точки <macros=picture>48;24;prism.jpg</macros> стоят в строке,
как слова.<p>
